#include "runtime/number_formatting.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/regional_presets.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::EnglishUsSettings;
using test::GermanSettings;
using test::IndianSettings;
using test::PosixSettings;

struct DoubleCase {
  const char* name;
  double value;
  RegionalSettings settings;
  std::string expected;
};

struct SingleCase {
  const char* name;
  float value;
  RegionalSettings settings;
  std::string expected;
};

void PrintTo(const DoubleCase& c, std::ostream* os) { *os << c.name; }
void PrintTo(const SingleCase& c, std::ostream* os) { *os << c.name; }

class FormatDoubleTest : public testing::TestWithParam<DoubleCase> {};
class FormatSingleTest : public testing::TestWithParam<SingleCase> {};

TEST_P(FormatDoubleTest, WritesSevenDecimals) {
  EXPECT_EQ(FormatFixed7(GetParam().value, GetParam().settings), GetParam().expected);
}

TEST_P(FormatSingleTest, WritesSevenDecimals) {
  EXPECT_EQ(FormatFixed7(GetParam().value, GetParam().settings), GetParam().expected);
}

const std::string kNbsp = "\u00A0";

INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatDoubleTest,
    testing::Values(DoubleCase{"Integer", 3.0, PosixSettings(), "3.0000000"},
                    DoubleCase{"Zero", 0.0, PosixSettings(), "0.0000000"},
                    DoubleCase{"NegativeZero", -0.0, PosixSettings(), "0.0000000"},
                    DoubleCase{"BelowOne", 0.25, PosixSettings(), "0.2500000"},
                    // The double nearest 4.00000005 lies below it; its 15-digit form does not.
                    DoubleCase{"DecimalHalfRoundsUp", 4.00000005, PosixSettings(), "4.0000001"},
                    DoubleCase{"JustBelowHalf", 4.0000000499999, PosixSettings(), "4.0000000"},
                    // Binary value 0.12345674999999999011..., whose 15-digit form ends in 5.
                    DoubleCase{"FifteenDigitFormDecides", 0.12345674999999999, PosixSettings(), "0.1234568"},
                    DoubleCase{"CarryThroughNines", 9.99999995, PosixSettings(), "10.0000000"},
                    DoubleCase{"CarryIntoNewDigit", 999.99999996, PosixSettings(), "1000.0000000"},
                    DoubleCase{"TinyRoundsToZero", 1e-8, PosixSettings(), "0.0000000"},
                    DoubleCase{"HalfOfLastPlaceRoundsUp", 5e-8, PosixSettings(), "0.0000001"},
                    DoubleCase{"BelowHalfOfLastPlace", 4.9e-8, PosixSettings(), "0.0000000"},
                    DoubleCase{"FarBelowLastPlace", 3e-300, PosixSettings(), "0.0000000"},
                    DoubleCase{"Negative", -1.5, PosixSettings(), "-1.5000000"},
                    DoubleCase{"NegativeRoundsAwayFromZero", -2.00000005, PosixSettings(), "-2.0000001"},
                    DoubleCase{"NegativeRoundingToZeroHasNoSign", -1e-8, PosixSettings(), "0.0000000"},
                    DoubleCase{"FifteenSignificantDigits", 123456789.123456789, PosixSettings(),
                               "123456789.1234570"},
                    DoubleCase{"Large", 1e20, PosixSettings(), "100000000000000000000.0000000"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Regional, FormatDoubleTest,
    testing::Values(DoubleCase{"EnglishBelowGrouping", 999.5, EnglishUsSettings(), "999.5000000"},
                    DoubleCase{"EnglishFourDigits", 1234.5, EnglishUsSettings(), "1,234.5000000"},
                    DoubleCase{"EnglishSevenDigits", 1234567.25, EnglishUsSettings(), "1,234,567.2500000"},
                    DoubleCase{"EnglishNegative", -1234.5, EnglishUsSettings(), "-1,234.5000000"},
                    DoubleCase{"BulgarianComma", 2.5, BulgarianSettings(), "2,5000000"},
                    DoubleCase{"BulgarianFourDigitsUngrouped", 1234.5, BulgarianSettings(), "1234,5000000"},
                    DoubleCase{"BulgarianFiveDigitsGrouped", 12345.5, BulgarianSettings(),
                               "12" + kNbsp + "345,5000000"},
                    DoubleCase{"BulgarianSevenDigits", 1234567.0, BulgarianSettings(),
                               "1" + kNbsp + "234" + kNbsp + "567,0000000"},
                    DoubleCase{"PosixNeverGroups", 1234567.0, PosixSettings(), "1234567.0000000"},
                    DoubleCase{"HugeValueGroupsItsDigitString", 1e154, EnglishUsSettings(),
                               "10" +
                                   [] {
                                     std::string s;
                                     for (int i = 0; i < 51; ++i) s += ",000";
                                     return s;
                                   }() +
                                   ".0000000"}),
    [](const auto& info) { return info.param.name; });

RegionalSettings NoLeadingZero() {
  RegionalSettings s;
  s.leadingZero = false;
  s.negativeSign = "\u2212";
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    OtherConventions, FormatDoubleTest,
    testing::Values(DoubleCase{"SecondaryGroupsOfTwo", 1234567.0, IndianSettings(), "12,34,567.0000000"},
                    DoubleCase{"WithoutLeadingZero", 0.5, NoLeadingZero(), ".5000000"},
                    DoubleCase{"OwnMinusSign", -0.5, NoLeadingZero(), "\u2212.5000000"},
                    // Only an integer part of 0 is left out.
                    DoubleCase{"WithoutLeadingZeroOne", 1.0, NoLeadingZero(), "1.0000000"},
                    DoubleCase{"WithoutLeadingZeroAboveOne", 2.5, NoLeadingZero(), "2.5000000"},
                    DoubleCase{"WithoutLeadingZeroTen", 10.25, NoLeadingZero(), "10.2500000"},
                    DoubleCase{"WithoutLeadingZeroNegativeWhole", -3.0, NoLeadingZero(), "\u22123.0000000"},
                    DoubleCase{"WithoutLeadingZeroRoundsUpToOne", 0.99999996, NoLeadingZero(), "1.0000000"},
                    DoubleCase{"WithoutLeadingZeroZero", 0.0, NoLeadingZero(), ".0000000"},
                    DoubleCase{"GermanPointGroups", 1234567.5, GermanSettings(), "1.234.567,5000000"},
                    DoubleCase{"GermanFourDigits", 1234.5, GermanSettings(), "1.234,5000000"},
                    DoubleCase{"GermanBelowGrouping", 999.25, GermanSettings(), "999,2500000"},
                    DoubleCase{"GermanNegative", -1234.5, GermanSettings(), "-1.234,5000000"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    SevenSignificantDigits, FormatSingleTest,
    testing::Values(SingleCase{"NearestToSixPointFour", 6.4f, PosixSettings(), "6.4000000"},
                    SingleCase{"NearestToThreePointTwo", 3.2f, PosixSettings(), "3.2000000"},
                    SingleCase{"NearestToOnePointEight", 1.8f, PosixSettings(), "1.8000000"},
                    SingleCase{"EighthDigitDropped", 1.23456789f, PosixSettings(), "1.2345680"},
                    SingleCase{"LargeSingle", 16777217.0f, PosixSettings(), "16777220.0000000"},
                    SingleCase{"SmallSingle", 0.00001234567f, PosixSettings(), "0.0000123"},
                    SingleCase{"LargestSingleGrouped", std::numeric_limits<float>::max(), EnglishUsSettings(),
                               "340,282,300,000,000,000,000,000,000,000,000,000,000.0000000"},
                    SingleCase{"BulgarianSingle", 6.4f, BulgarianSettings(), "6,4000000"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rt
