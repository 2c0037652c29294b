// Why a length of the program is not the exact one: each account checked
// against what was worked out by hand for the value that shows it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/triangle_solver.h"
#include "regional_presets.h"
#include "solution/digit_causes.h"
#include "solution/digit_notes.h"
#include "solution/worked_solution.h"
#include "text_expectations.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::PosixSettings;

// Row numbers of the list.
constexpr int kAHc = 2, kAA1 = 3, kAB1 = 4, kAC = 1, kBB1 = 8, kCB1 = 11, kHcA1 = 12, kHcB1 = 13;

struct Account {
  const char* name;
  int row;
  const char* first;
  const char* second;
  std::vector<std::string> says;
  std::vector<std::string> never;
};

void PrintTo(const Account& c, std::ostream* os) { *os << c.name; }

class TrueCause : public testing::TestWithParam<Account> {};

TEST_P(TrueCause, IsTheOneSaid) {
  const Account& c = GetParam();
  std::string text = PlainSolution(SolveWithSteps(c.row, c.first, c.second, BulgarianSettings()));
  // The digits' groups are set apart by no-break spaces; the texts above by plain ones.
  for (std::size_t at = text.find("\u00a0"); at != std::string::npos; at = text.find("\u00a0", at))
    text.replace(at, 2, " ");
  test::ExpectMentions(text, c.says, c.never);
}

// b1 = 0,7 is kept as 0,699999988079…; 3,2 as 3,200000047684…; 4,1 as
// 4,099999904632…; 4,9999999 as 5. 3,2² in single precision is
// 10,240000724792…, 23,0400009155² is 530,841642… and becomes 530,84161377.
INSTANTIATE_TEST_SUITE_P(
    Commands, TrueCause,
    testing::Values(
        // Exactly c = b1: a1 = 0, a segment; the boxes come from b1's storage.
        Account{
            "c_b1_segment_written",
            kCB1,
            "0,7",
            "0,7",
            {"При точно пресмятане a = 0; програмата показва 0,0000913, защото пази b1 с по-малка точност "
             "(около 7 значещи цифри): вместо 0,7 смята с 0,6999999881.",
             "При точно пресмятане a1 = 0. Получава се дължина 0: триъгълникът се изражда в отсечка, т.е. не "
             "съществува.",
             "Програмата получава a1 ≈ 0,00000001192 и изписва дължини само защото пази b1"},
            {"Проверка", "(точно"}},
        // One boundary b1 = b, three runs of the program, one account.
        Account{"b_b1_boundary_kept_exactly",
                kBB1,
                "3",
                "3",
                {"   hc = 0,0000000\n",
                 "При точно пресмятане hc = 0. Получава се дължина 0: триъгълникът се изражда в отсечка"},
                {"Програмата получава", "Програмата не може", "по-малка точност"}},
        Account{
            "b_b1_boundary_kept_longer",
            kBB1,
            "3,2",
            "3,2",
            {"При точно пресмятане hc = 0. Получава се дължина 0: триъгълникът се изражда в отсечка",
             "Програмата не може да изчисли hc, защото пази b1 с по-малка точност (около 7 значещи цифри): "
             "вместо 3,2 смята с 3,200000048."},
            {"16 значещи цифри"}},
        Account{
            "b_b1_boundary_kept_shorter",
            kBB1,
            "4,1",
            "4,1",
            {"При точно пресмятане hc = 0. Получава се дължина 0",
             "Програмата получава hc ≈ 0,0007308 и изписва дължини само защото пази b1 с по-малка точност "
             "(около 7 значещи цифри): вместо 4,1 смята с 4,099999905."},
            {"Проверка"}},
        Account{"b_b1_million_square",
                kBB1,
                "1000000",
                "1000000",
                {"При точно пресмятане hc = 0; програмата показва 64,0000000, защото смята b1² с по-малка "
                 "точност (около 7 значещи цифри): вместо b1² = 1 000 000 000 000 смята с 999 999 995 904."},
                {"Проверка"}},
        // a² − hc² = 1 000 000 − 999 999,9998: ten digits of sixteen go.
        Account{
            "a_hc_cancellation",
            kAHc,
            "1000",
            "999,9999999",
            {"При точно пресмятане b ≈ 70 710 678,1133515; програмата показва 70 710 697,0118186, защото при "
             "a1 = √(a² − hc²) изважда две почти равни числа, 1 000 000 и 999 999,9998, а от около 16-те "
             "значещи цифри, с които смята, в разликата остават само около 6."},
            {"последн"}},
        // At 2·10⁹ the replay meets the box within what a double holds.
        Account{"a_hc_cancellation_large",
                kAHc,
                "10000",
                "9999,9999999",
                {"При точно пресмятане b ≈ 2 236 067 977,4830192; програмата показва 2 236 057 381,7897600, "
                 "защото при a1 = √(a² − hc²) изважда две почти равни числа"},
                {"последн"}},
        // −a1 + √(a1² + 4·b²): a sum of two nearly opposite numbers.
        Account{"b_a1_cancellation_in_a_sum",
                7,
                "1",
                "100000",
                {"При точно пресмятане hc ≈ 1,0000000; програмата показва 1,0000002, защото при b1 = (−a1 + "
                 "√(a1² + 4·b²))/2 изважда две почти равни числа, 100 000,00002 и 100 000, а от около 16-те "
                 "значещи цифри, с които смята, в разликата остават само около 6.",
                 "   Разликите са по-големи, отколкото дава закръглянето: програмата при b1 = (−a1 + "},
                {}},
        // b1 = 4,10000001 > b, but kept as 4,0999999 < b.
        Account{
            "b_b1_exactly_no_value",
            kBB1,
            "4,1",
            "4,10000001",
            {"При точно пресмятане hc не може да се изчисли; програмата показва 0,0007308, защото смята b1²",
             "При точно пресмятане hc не може да се изчисли: такъв триъгълник няма.",
             "Програмата получава hc ≈ 0,0007308 и изписва дължини само защото пази b1 с по-малка точност "
             "(около 7 значещи цифри): вместо 4,10000001 смята с 4,099999905."},
            {"Проверка"}},
        Account{
            "a_c_cancellation",
            kAC,
            "80950",
            "80950,0000008",
            {"При точно пресмятане b = √202375000001/1250000 ≈ 0,3598889; програмата показва 0,3598908, "
             "защото при b = √(c² − a²) изважда две почти равни числа, 6 552 902 500,13 и 6 552 902 500, а"},
            {}},
        // The square, not the storage: 23,0400009 alone gives 1,9599999.
        Account{"a_b1_square_not_storage",
                kAB1,
                "7",
                "23,04",
                {"При точно пресмятане a1 = 1,96; програмата показва 1,9599997, защото смята b1² с по-малка "
                 "точност (около 7 значещи цифри): вместо b1² = 530,8416 смята с 530,8416138.",
                 "коренът −25 не е решение."},
                {"пази b1", "другият корен", "С изписаните (закръглени) числа се получава a1"}},
        Account{
            "b_b1_square",
            kBB1,
            "4",
            "3,2",
            {"При точно пресмятане a = 3; програмата показва 2,9999997, защото смята b1² с по-малка точност "
             "(около 7 значещи цифри): вместо b1² = 10,24 смята с 10,24000072."},
            {}},
        // Exactly a triangle: b1 = 4,9999999 < 5 is kept as 5.
        Account{
            "b_b1_false_stop",
            kBB1,
            "5",
            "4,9999999",
            {"При точно пресмятане hc = 3√11111111/10000000 ≈ 0,0010000 и такъв триъгълник има.",
             "Програмата получава hc = 0, защото пази b1 с по-малка точност (около 7 значещи цифри): вместо "
             "4,9999999 смята с 5."},
            {"трябва да е по-къса"}},
        Account{"c_b1_false_stop",
                kCB1,
                "5",
                "4,9999999",
                {"При точно пресмятане a1 = 0,0000001 и такъв триъгълник има.", "Програмата получава a1 = 0"},
                {"трябва да е по-къса"}},
        // a1 = 10⁻¹⁸ exactly; the single square makes it −0,001024.
        Account{"a_b1_false_negative",
                kAB1,
                "0,000001",
                "1000000",
                {"a1 ≈ 1·10⁻¹⁸ или a1 ≈ −1 000 000,0000000", "; отрицателният корен не е решение.",
                 "   a1 ≈ −0,0010240\n", "При точно пресмятане a1 ≈ 1·10⁻¹⁸ и такъв триъгълник има.",
                 "Програмата получава a1 ≈ −0,0010240, защото смята b1² с по-малка точност",
                 "(около 7 значещи цифри): вместо b1² = 1 000 000 000 000 смята с 999 999 995 904."},
                {"a1 ≈ 0,0000000", "не е положително число"}},
        // Nothing moved: no note on c's value.
        Account{
            "a_a1_nothing_moved",
            kAA1,
            "4,9",
            "4,23",
            {"   c = 2401/423 ≈ 5,6761229\n",
             "С изписаните (закръглени) числа се получава c ≈ 5,6761230; програмата смята с неокръглените "
             "си числа."},
            {"При точно пресмятане c", "(точно"}},
        // The stored value in full from 10⁹ on.
        Account{"hc_a1_stored_in_full",
                kHcA1,
                "1000",
                "0,0000001",
                {"вместо 10 000 000 000 000 смята с 9 999 999 827 968."},
                {"9 999 999 830 000"}},
        Account{"a_b1_check_verdict",
                kAB1,
                "100",
                "12345,678",
                {"разлика c·hc − a·b = 19,73744627157248\n",
                 "   Разликите са по-големи, отколкото дава закръглянето: програмата смята b1² с по-малка "
                 "точност"},
                {}},
        Account{"a_a1_longer_route",
                kAA1,
                "10",
                "6",
                {"   hc = 8,0000000\n",
                 "При точно пресмятане b1 = 32/3 ≈ 10,6666667; програмата показва 10,6666700, защото пази b1",
                 "вместо 10,66666667… смята с 10,66666698.",
                 "При точно пресмятане c = 50/3 ≈ 16,6666667; програмата показва 16,6666670",
                 "По-кратко: c = a²/a1", "Разликите идват от закръглянето."},
                {"8,00000000"}},
        Account{"hc_b1_stored",
                kHcB1,
                "0,1649",
                "0,265",
                {"При точно пресмятане c = 9741701/26500000 ≈ 0,3676114; програмата показва 0,3676113, "
                 "защото пази "
                 "b1 с по-малка точност"},
                {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The replay itself: which arithmetic first gives the program's value.
TEST(RowReplay, NamesTheFirstArithmeticThatGivesTheBox) {
  struct Case {
    int row;
    const char* first;
    const char* second;
    Quantity q;
    DigitCause cause;
  };
  const Case cases[] = {
      {kAB1, "7", "23.04", Quantity::A1, DigitCause::SingleSquare},
      {kAA1, "10", "6", Quantity::C, DigitCause::StoredB1},
      {kAA1, "10", "6", Quantity::Hc, DigitCause::None},
      {kAHc, "1000", "999.9999999", Quantity::B, DigitCause::Cancellation},
      {kCB1, "0.7", "0.7", Quantity::A, DigitCause::StoredB1},
      {0, "3", "4", Quantity::C, DigitCause::None},
  };
  for (const Case& c : cases) {
    SolveDetail detail;
    SolveTriangle(InputForTypedPair(c.row, c.first, c.second), PosixSettings(), detail);
    std::array<std::optional<ExactDecimal>, kQuantityCount> typed;
    std::array<double, kQuantityCount> read{};
    for (const SolveDetail::Given& given : detail.given) {
      typed[static_cast<std::size_t>(given.quantity)] =
          ExactDecimal::Parse(given.quantity == detail.given[0].quantity ? c.first : c.second);
      read[static_cast<std::size_t>(given.quantity)] = given.reading.value;
    }
    const RowReplay replay(c.row, typed, read, detail.values);
    EXPECT_EQ(replay.CauseOfBox(c.q, detail.texts[static_cast<std::size_t>(c.q)], PosixSettings()), c.cause)
        << c.row << " " << c.first << " " << c.second;
  }
}

TEST(RowReplay, CountsTheDigitsThatADifferenceLoses) {
  SolveDetail detail;
  SolveTriangle(InputForTypedPair(kAHc, "1000", "999.9999999"), PosixSettings(), detail);
  std::array<std::optional<ExactDecimal>, kQuantityCount> typed;
  typed[static_cast<std::size_t>(Quantity::A)] = ExactDecimal::OfInteger(1000);
  typed[static_cast<std::size_t>(Quantity::Hc)] = ExactDecimal::Parse("999.9999999");
  std::array<double, kQuantityCount> read{};
  read[static_cast<std::size_t>(Quantity::A)] = 1000;
  read[static_cast<std::size_t>(Quantity::Hc)] = 999.9999999;
  const RowReplay replay(kAHc, typed, read, detail.values);
  const auto worst = replay.WorstCancellation(Quantity::B);
  ASSERT_TRUE(worst.has_value());
  EXPECT_EQ(worst->step, 0U);                 // a1 = √(a² − hc²)
  EXPECT_NEAR(worst->digitsLost, 9.7, 0.05);  // 10⁶ against 2·10⁻⁴
  EXPECT_EQ(worst->larger, 1e6);
  EXPECT_EQ(replay.ExactlyNoTriangleAt(), std::nullopt);
  EXPECT_EQ(RowReplay::SignOf(std::nullopt), StepSign::Fails);
  EXPECT_EQ(RowReplay::SignOf(ExactDecimal::OfInteger(-2)), StepSign::Negative);
  EXPECT_EQ(RowReplay::SignOf(ExactDecimal()), StepSign::Zero);
}

// A kept b1 that only the eleventh digit tells from the meant one.
TEST(DigitNotes, ShowAsManyDigitsAsTellTheKeptB1Apart) {
  constexpr int kRow = kHcB1;
  DigitNotes::Run run;
  run.listIndex = kRow;
  run.typed[static_cast<std::size_t>(Quantity::Hc)] = ExactDecimal::OfInteger(1);
  run.typed[static_cast<std::size_t>(Quantity::B1)] = ExactDecimal::Parse("1.0000000001");
  run.kept[static_cast<std::size_t>(Quantity::B1)] = ExactDecimal::OfInteger(1);
  std::array<std::optional<ExactDecimal>, kQuantityCount> typed = run.typed;
  std::array<double, kQuantityCount> read{};
  read[static_cast<std::size_t>(Quantity::Hc)] = 1;
  read[static_cast<std::size_t>(Quantity::B1)] = 1.0000000001;
  const std::array<double, kQuantityCount> program{1, 1, 2, 1, 1, 1};
  const RowReplay replay(kRow, typed, read, program);
  const DigitNotes notes(run, replay, PosixSettings());
  EXPECT_EQ(notes.GivenB1(),
            "Програмата пази b1 с по-малка точност (около 7 значещи цифри): вместо 1.0000000001 смята с 1.");
}

}  // namespace
}  // namespace rt
