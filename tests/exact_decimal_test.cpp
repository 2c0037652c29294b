#include "solution/exact_decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace rt {
namespace {

ExactDecimal D(std::string_view text) { return ExactDecimal::Parse(text).value(); }

std::string Show(const ExactDecimal& value) {
  return (value.IsNegative() ? "-" : "") + value.PlainDigits() + (value.exact() ? "" : "~");
}

std::string Show(const std::optional<ExactDecimal>& value) { return value ? Show(*value) : "none"; }

TEST(ExactDecimalTest, ReadsPlainDecimalsOnly) {
  struct Case {
    std::string_view text;
    std::string shown;  // "bad" where it is no plain decimal
  };
  const Case cases[] = {
      {"3.2", "3.2"},     {"-0.50", "-0.5"}, {"007", "7"},  {"1e-8", "0.00000001"},
      {"2.5E+3", "2500"}, {"12.", "12"},     {".5", "0.5"}, {"-0", "0"},
      {"", "bad"},        {"-", "bad"},      {"1e", "bad"}, {"3,2", "bad"},
      {"1.2.3", "bad"},   {"1e5x", "bad"},   {" 1", "bad"},
  };
  for (const Case& c : cases) {
    const auto value = ExactDecimal::Parse(c.text);
    EXPECT_EQ(value ? Show(*value) : "bad", c.shown) << c.text;
  }
}

TEST(ExactDecimalTest, KnowsTheBinaryValueOfADouble) {
  EXPECT_EQ(Show(ExactDecimal::OfDouble(0.1)), "0.1000000000000000055511151231257827021181583404541015625");
  EXPECT_EQ(Show(ExactDecimal::OfDouble(-6.4)), "-6.4000000000000003552713678800500929355621337890625");
  EXPECT_EQ(Show(ExactDecimal::OfDouble(0x1p70)), "1180591620717411303424");
  EXPECT_EQ(Show(ExactDecimal::OfDouble(static_cast<float>(3.2))), "3.2000000476837158203125");
  EXPECT_TRUE(ExactDecimal::OfDouble(0.0).IsZero());
  EXPECT_EQ(Show(ExactDecimal::OfInteger(-120)), "-120");
}

// Back to the double nearest, as the program reads the digits; a double
// comes back as itself.
TEST(ExactDecimalTest, GivesTheNearestDouble) {
  EXPECT_EQ(D("-2.5").ToDouble(), -2.5);
  EXPECT_EQ(D("0.1").ToDouble(), 0.1);
  EXPECT_EQ(D("1e-20").ToDouble(), 1e-20);
  EXPECT_EQ(D("123456789012345678901234567890").ToDouble(), 1.2345678901234568e29);
  EXPECT_EQ(ExactDecimal::OfDouble(-6.4).ToDouble(), -6.4);
  EXPECT_EQ(ExactDecimal().ToDouble(), 0.0);
}

TEST(ExactDecimalTest, SumsAndProductsAreExact) {
  EXPECT_EQ(Show(D("0.1") + D("0.2")), "0.3");
  EXPECT_EQ(Show(D("1e30") + D("1e-30")), "1000000000000000000000000000000.000000000000000000000000000001");
  EXPECT_EQ(Show(D("2.5") - D("7.25")), "-4.75");
  EXPECT_EQ(Show(D("-1.5") * D("-1.5")), "2.25");
  EXPECT_EQ(Show(D("3") - D("3")), "0");
  EXPECT_FALSE((D("3") - D("3")).IsNegative());
}

TEST(ExactDecimalTest, QuotientsAndRootsAreCutAfterFortyDigits) {
  EXPECT_EQ(Show(Divide(D("144"), D("13"))), "11.07692307692307692307692307692307692307~");
  EXPECT_EQ(Show(Divide(D("-1"), D("8"))), "-0.125");
  EXPECT_EQ(Show(Divide(D("1"), D("0"))), "none");
  EXPECT_EQ(Show(SquareRoot(D("2"))), "1.414213562373095048801688724209698078569~");
  EXPECT_EQ(Show(SquareRoot(D("1.44"))), "1.2");
  EXPECT_EQ(Show(SquareRoot(D("0.0000000001"))), "0.00001");
  EXPECT_EQ(Show(SquareRoot(D("-4"))), "none");
  // An inexact operand makes everything after it inexact.
  const ExactDecimal third = *Divide(D("1"), D("3"));
  EXPECT_FALSE((third * D("3")).exact());
  EXPECT_FALSE((third + D("1")).exact());
}

TEST(ExactDecimalTest, RoundsHalfAwayFromZero) {
  EXPECT_EQ(Show(D("2.25").RoundedToDecimals(1)), "2.3");
  EXPECT_EQ(Show(D("-2.25").RoundedToDecimals(1)), "-2.3");
  EXPECT_EQ(Show(D("2.2499").RoundedToDecimals(1)), "2.2");
  EXPECT_EQ(Show(D("9.96").RoundedToDecimals(1)), "10");
  EXPECT_EQ(Show(D("1234.5").RoundedToDecimals(-2)), "1200");
  EXPECT_EQ(Show(D("0.004").RoundedToDecimals(2)), "0");
  EXPECT_EQ(Show(D("3.2000000476").RoundedToSignificant(9)), "3.20000005");
  EXPECT_EQ(Show(D("0.00012345").RoundedToSignificant(2)), "0.00012");
  // A rounded value is the printed number: exact.
  EXPECT_TRUE(SquareRoot(D("2"))->RoundedToDecimals(7).exact());
}

TEST(ExactDecimalTest, ComparesAcrossScales) {
  EXPECT_EQ(Compare(D("2.50"), D("2.5")), 0);
  EXPECT_EQ(Compare(D("-3"), D("2")), -1);
  EXPECT_EQ(Compare(D("-3"), D("-20")), 1);
  EXPECT_EQ(Compare(D("0.001"), D("1e-3")), 0);
  EXPECT_EQ(Compare(D("999"), D("1000")), -1);
  EXPECT_EQ(Compare(D("0"), D("-0.1")), 1);
  EXPECT_TRUE(D("1.10") == D("1.1"));
}

TEST(ExactDecimalTest, WritesDigitsWithAtLeastTheDecimalsAsked) {
  EXPECT_EQ(D("0.5").PlainDigits(2), "0.50");
  EXPECT_EQ(D("1200").PlainDigits(), "1200");
  EXPECT_EQ(D("0.0012").PlainDigits(1), "0.0012");
  EXPECT_EQ(D("0").PlainDigits(3), "0.000");
  EXPECT_EQ(D("1234.5").LeadingPower(), 3);
  EXPECT_EQ(D("0.05").LeadingPower(), -2);
  EXPECT_EQ(D("0.05").Decimals(), 2);
}

TEST(ExactDecimalTest, GivesItsFractionAndWholeNumbersTheirDigits) {
  EXPECT_EQ(D("-0.25").ToRational(), BigRational(-1, 4));
  EXPECT_EQ(D("1.2e3").ToRational(), BigRational(1200));
  EXPECT_EQ(D("0").ToRational(), BigRational(0));
  EXPECT_EQ(Show(ExactDecimal::OfInteger(BigInteger(-1500))), "-1500");
  // Eighteen digits at a time, the zeros inside a chunk kept.
  BigInteger big = 1;
  for (int i = 0; i < 40; ++i) big *= 10;
  EXPECT_EQ(DecimalDigits(big + 5), "1" + std::string(39, '0') + "5");
  EXPECT_EQ(DecimalDigits(BigInteger(0)), "0");
  EXPECT_EQ(DecimalDigits(BigInteger(123456789)), "123456789");
}

}  // namespace
}  // namespace rt
