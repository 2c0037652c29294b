#include "solution/exact_form.h"

#include <gtest/gtest.h>

#include "model/given_pair.h"
#include "tests/regional_presets.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::EnglishUsSettings;

std::array<std::string, kQuantityCount> Forms(std::string_view pair, std::string_view first,
                                              std::string_view second,
                                              const RegionalSettings& settings = BulgarianSettings()) {
  return ExactForms(*ListIndexOfText(pair), *ExactDecimal::Parse(first), *ExactDecimal::Parse(second),
                    settings);
}

// The lengths as a textbook writes them; "" where no short form exists.
TEST(ExactFormTest, WritesTheSchoolForms) {
  struct Case {
    std::string_view pair, first, second;
    std::array<std::string, kQuantityCount> forms;  // a, b, c, hc, a1, b1
  };
  const Case cases[] = {
      {"a,b", "5", "5", {"5", "5", "5√2", "5√2/2", "5√2/2", "5√2/2"}},
      {"a,c", "4", "8", {"4", "4√3", "8", "2√3", "2", "6"}},
      {"a,b", "1", "2", {"1", "2", "√5", "2√5/5", "√5/5", "4√5/5"}},
      {"a,c", "5", "13", {"5", "12", "13", "60/13", "25/13", "144/13"}},
      {"c,hc", "10", "4", {"2√5", "4√5", "10", "4", "2", "8"}},
      {"c,hc", "10", "4.8", {"6", "8", "10", "4,8", "3,6", "6,4"}},
      // Denested: √(3 ∓ √5)·√6 comes out as √15 ∓ √3.
      {"c,hc", "6", "2", {"√15 − √3", "√3 + √15", "6", "2", "3 − √5", "3 + √5"}},
      {"c,hc", "7", "3", {"(√91 − √7)/2", "(√7 + √91)/2", "7", "3", "(7 − √13)/2", "(7 + √13)/2"}},
      // A root in a root that does not come out.
      {"a,b1", "1", "1", {"1", "", "(1 + √5)/2", "", "(√5 − 1)/2", "1"}},
      {"b,a1", "1", "1", {"", "1", "(1 + √5)/2", "", "1", "(√5 − 1)/2"}},
      {"hc,b1", "2.4", "3.2", {"3", "4", "5", "2,4", "1,8", "3,2"}},
      {"a,hc", "1", "0.5", {"1", "√3/3", "2√3/3", "0,5", "√3/2", "√3/6"}},
      // Too long to help: the decimal says more.
      {"a,b", "1.0000001", "2.1234567", {"1,0000001", "2,1234567", "", "", "", ""}},
      // No triangle, or a segment: no forms at all.
      {"a,c", "3", "3", {"", "", "", "", "", ""}},
      {"c,hc", "10", "5.1", {"", "", "", "", "", ""}},
      {"a,hc", "3", "3", {"", "", "", "", "", ""}},
      // The isosceles triangle at hc = c/2.
      {"c,hc", "5", "2.5", {"5√2/2", "5√2/2", "5", "2,5", "2,5", "2,5"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Forms(c.pair, c.first, c.second), c.forms) << c.pair << " " << c.first << " " << c.second;
}

TEST(ExactFormTest, FollowsTheRegionalDecimalSignAndStaysShort) {
  EXPECT_EQ(Forms("a,b", "3", "4", EnglishUsSettings())[3], "2.4");
  EXPECT_EQ(Forms("a,b", "3", "4")[3], "2,4");
  // Large numbers keep exact forms as long as they are short.
  EXPECT_EQ(Forms("a,b", "1000000", "1000000")[2], "1000000√2");
  // A square of a prime beyond the trial division still comes out:
  // c² = 5²·100003².
  EXPECT_EQ(Forms("a,b", "300009", "400012", test::PosixSettings())[2], "500015");
  EXPECT_EQ(Forms("a,b", "100003", "100003")[2], "100003√2");
  for (const std::string& form : Forms("a,b", "123.45", "678.91")) {
    int characters = 0;
    for (const char byte : form) characters += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
    EXPECT_LE(characters, kMaxExactFormLength) << form;
  }
  EXPECT_TRUE(IsSurdOrFraction("5√2"));
  EXPECT_TRUE(IsSurdOrFraction("144/13"));
  EXPECT_FALSE(IsSurdOrFraction("2,4"));
}

}  // namespace
}  // namespace rt
