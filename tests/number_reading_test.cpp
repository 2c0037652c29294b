#include "runtime/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
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

struct ReadingCase {
  const char* name;
  std::string text;
  RegionalSettings settings;
  double expected;
  RuntimeError error = RuntimeError::None;
};

void PrintTo(const ReadingCase& c, std::ostream* os) { *os << c.name; }

class NumberReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(NumberReadingTest, ReadsTheLeadingNumber) {
  const ReadingCase& c = GetParam();
  const NumberReading reading = ReadNumber(c.text, c.settings);
  EXPECT_EQ(reading.error, c.error);
  if (c.error == RuntimeError::None) {
    EXPECT_EQ(reading.value, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    PlainNumbers, NumberReadingTest,
    testing::Values(ReadingCase{"Integer", "4", PosixSettings(), 4.0},
                    ReadingCase{"Decimal", "2.4", PosixSettings(), 2.4},
                    ReadingCase{"LeadingPoint", ".5", PosixSettings(), 0.5},
                    ReadingCase{"TrailingPoint", "5.", PosixSettings(), 5.0},
                    ReadingCase{"PlusSign", "+7", PosixSettings(), 7.0},
                    ReadingCase{"MinusSign", "-2", PosixSettings(), -2.0},
                    ReadingCase{"Exponent", "1e-8", PosixSettings(), 1e-8},
                    ReadingCase{"ExponentCapitalWithPlus", "2.5E+3", PosixSettings(), 2500.0},
                    ReadingCase{"ExponentWithoutDigits", "3e", PosixSettings(), 3.0},
                    ReadingCase{"ExponentSignWithoutDigits", "3e-", PosixSettings(), 3.0},
                    ReadingCase{"LeadingZeros", "007.50", PosixSettings(), 7.5},
                    ReadingCase{"ManyDigitsRoundCorrectly", "0.1000000000000000055511151231257827",
                                PosixSettings(), 0.1},
                    ReadingCase{"SevenDecimalsWritten", "3.0000000", PosixSettings(), 3.0}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(WhatEndsANumber, NumberReadingTest,
                         testing::Values(ReadingCase{"UnitAfterNumber", "4cm", PosixSettings(), 4.0},
                                         ReadingCase{"Letters", "abc", PosixSettings(), 0.0},
                                         ReadingCase{"Empty", "", PosixSettings(), 0.0},
                                         ReadingCase{"OnlySign", "-", PosixSettings(), 0.0},
                                         ReadingCase{"OnlyPoint", ".", PosixSettings(), 0.0},
                                         ReadingCase{"ExponentWithoutMantissa", "e5", PosixSettings(), 0.0},
                                         ReadingCase{"TwoSigns", "+-5", PosixSettings(), 0.0},
                                         ReadingCase{"SecondPoint", "1.2.3", PosixSettings(), 1.2},
                                         ReadingCase{"PointAfterExponent", "1e2.5", PosixSettings(), 100.0},
                                         ReadingCase{"CommaInPosix", "1,5", PosixSettings(), 1.0},
                                         ReadingCase{"CommaInEnglish", "1,5", EnglishUsSettings(), 1.0},
                                         ReadingCase{"NoBreakSpaceEndsInPosix", "12\u00A0345",
                                                     PosixSettings(), 12.0},
                                         ReadingCase{"CarriageReturnEnds", "1\r2", PosixSettings(), 1.0}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(IgnoredCharacters, NumberReadingTest,
                         testing::Values(ReadingCase{"BlanksAround", "  3  ", PosixSettings(), 3.0},
                                         ReadingCase{"BlanksBetweenDigits", "1 2 3", PosixSettings(), 123.0},
                                         ReadingCase{"TabAndLineFeed", "\t-\n2.\t5", PosixSettings(), -2.5},
                                         ReadingCase{"BlankInsideExponent", "1 e 2", PosixSettings(), 100.0}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    RegionalSeparators, NumberReadingTest,
    testing::Values(
        ReadingCase{"BulgarianDecimalComma", "2,5000000", BulgarianSettings(), 2.5},
        ReadingCase{"BulgarianPointStillWorks", "2.5", BulgarianSettings(), 2.5},
        ReadingCase{"BulgarianGrouped", "12\u00A0345,5000000", BulgarianSettings(), 12345.5},
        ReadingCase{"BulgarianTwoGroups", "1\u00A0234\u00A0567,25", BulgarianSettings(), 1234567.25},
        ReadingCase{"EnglishGrouped", "1,234.5000000", EnglishUsSettings(), 1234.5},
        ReadingCase{"EnglishTwoGroups", "1,234,567", EnglishUsSettings(), 1234567.0},
        ReadingCase{"GroupOfFourDigitsEnds", "1,2345", EnglishUsSettings(), 1.0},
        ReadingCase{"GroupOfTwoDigitsEnds", "1,23.5", EnglishUsSettings(), 1.0},
        ReadingCase{"GroupBeforeAnyDigitEnds", ",123", EnglishUsSettings(), 0.0},
        ReadingCase{"GroupInFractionEnds", "1.234,567", EnglishUsSettings(), 1.234},
        ReadingCase{"GroupingInPosixEnds", "1,234.5", PosixSettings(), 1.0},
        // "." is a decimal point unless a group separator or the
        // decimal comma follows its three digits.
        // en_IN: three digits next to the decimal sign, two in every group
        // further left, exactly as the writer groups them.
        ReadingCase{"IndianLakh", "1,23,456.0000000", IndianSettings(), 123456.0},
        ReadingCase{"IndianCrore", "12,34,56,789.5", IndianSettings(), 123456789.5},
        ReadingCase{"IndianThousands", "1,234.5", IndianSettings(), 1234.5},
        ReadingCase{"IndianLastGroupOfTwoEnds", "1,23.5", IndianSettings(), 1.0},
        ReadingCase{"IndianAlsoReadsGroupsOfThree", "1,234,567", IndianSettings(), 1234567.0},
        ReadingCase{"IndianGroupOfFourEnds", "1,23,4567", IndianSettings(), 1.0},
        ReadingCase{"GermanWritten", "1.234.567,5000000", GermanSettings(), 1234567.5},
        ReadingCase{"GermanOneGroup", "1.234,5", GermanSettings(), 1234.5},
        ReadingCase{"GermanDecimalComma", "2,5000000", GermanSettings(), 2.5},
        ReadingCase{"GermanPointIsADecimal", "1.5", GermanSettings(), 1.5},
        ReadingCase{"GermanThreeDigitsAfterPointStayDecimals", "1.234", GermanSettings(), 1.234},
        ReadingCase{"GermanLastGroupWithoutCommaIsDecimals", "1.234.567", GermanSettings(), 1234.567},
        ReadingCase{"GermanGroupOfTwoIsDecimals", "1.23,5", GermanSettings(), 1.23}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Range, NumberReadingTest,
    testing::Values(
        ReadingCase{"LargestDouble", "1.7976931348623157e308", PosixSettings(),
                    std::numeric_limits<double>::max()},
        ReadingCase{"BeyondDouble", "1e309", PosixSettings(), 0.0, RuntimeError::Overflow},
        ReadingCase{"NegativeBeyondDouble", "-2e308", PosixSettings(), 0.0, RuntimeError::Overflow},
        ReadingCase{"HugeExponent", "1e99999999999999999999", PosixSettings(), 0.0, RuntimeError::Overflow},
        ReadingCase{"ManyDigitsBeyondDouble", std::string(400, '9'), PosixSettings(), 0.0,
                    RuntimeError::Overflow},
        ReadingCase{"TooSmallIsZero", "1e-400", PosixSettings(), 0.0},
        ReadingCase{"TinyFractionIsZero", "0.0001e-330", PosixSettings(), 0.0},
        ReadingCase{"HugeNegativeExponentIsZero", "5e-99999999999999", PosixSettings(), 0.0},
        ReadingCase{"Subnormal", "4.9406564584124654e-324", PosixSettings(),
                    std::numeric_limits<double>::denorm_min()},
        ReadingCase{"ZeroWithHugeExponent", "0e99999", PosixSettings(), 0.0},
        // Exponents with more digits than a 64-bit integer holds: no wrap-around.
        ReadingCase{"ExponentOfTwoToTheSixtyFourPlusOne", "1e18446744073709551617", PosixSettings(), 0.0,
                    RuntimeError::Overflow},
        ReadingCase{"ExponentOfTwoToTheSixtyThree", "2.5e9223372036854775808", PosixSettings(), 0.0,
                    RuntimeError::Overflow},
        ReadingCase{"HugeExponentOfAFraction", "0.5e99999999999999999999", PosixSettings(), 0.0,
                    RuntimeError::Overflow},
        ReadingCase{"HugeNegativeExponentBeyondInt64", "7e-99999999999999999999", PosixSettings(), 0.0},
        ReadingCase{"ExponentWithManyLeadingZeros", "3e0000000000000000000000000002", PosixSettings(), 300.0},
        // Hundreds of zeros after the point: the exponent counts from the
        // first significant digit, not from the point.
        ReadingCase{"FractionWithLeadingZerosAndExponent", "0." + std::string(300, '0') + "1e305",
                    PosixSettings(), 1e4},
        ReadingCase{"FractionWithLeadingZerosBeyondDouble", "0." + std::string(400, '0') + "1e710",
                    PosixSettings(), 0.0, RuntimeError::Overflow},
        ReadingCase{"FractionWithLeadingZerosJustInRange", "0." + std::string(400, '0') + "1e700",
                    PosixSettings(), 1e299},
        ReadingCase{"FractionWithLeadingZerosBelowDouble", "0." + std::string(400, '0') + "1e50",
                    PosixSettings(), 0.0},
        ReadingCase{"FractionWithThreeHundredZeros", "0." + std::string(300, '0') + "5", PosixSettings(),
                    5e-301},
        ReadingCase{"FractionWithFourHundredZeros", "0." + std::string(400, '0') + "5", PosixSettings(), 0.0},
        ReadingCase{"IntegerWithLeadingZerosBeyondDouble", std::string(400, '0') + "2e308", PosixSettings(),
                    0.0, RuntimeError::Overflow},
        ReadingCase{"IntegerWithLeadingZeros", std::string(400, '0') + "5e306", PosixSettings(), 5e306}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rt
