#include "solution/worked_solution.h"

#include <gtest/gtest.h>

#include <string>

#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "model/triangle_solver.h"
#include "runtime/number_formatting.h"
#include "solution/exact_form.h"
#include "solution/solution_numbers.h"
#include "tests/regional_presets.h"
#include "tests/text_expectations.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::EnglishUsSettings;
using test::PosixSettings;

struct TypedPair {
  const char* name;
  int row;
  const char* first;
  const char* second;
};

void PrintTo(const TypedPair& c, std::ostream* os) { *os << c.name; }

// The fifteen pairs of the 3-4-5 triangle and of a lopsided one (legs 1234.5
// and 0.75), given as a student would type them.
const TypedPair kPairs[] = {
    {"a_b", 0, "3", "4"},
    {"a_c", 1, "3", "5"},
    {"a_hc", 2, "3", "2.4"},
    {"a_a1", 3, "3", "1.8"},
    {"a_b1", 4, "3", "3.2"},
    {"b_c", 5, "4", "5"},
    {"b_hc", 6, "4", "2.4"},
    {"b_a1", 7, "4", "1.8"},
    {"b_b1", 8, "4", "3.2"},
    {"c_hc", 9, "5", "2.4"},
    {"c_a1", 10, "5", "1.8"},
    {"c_b1", 11, "5", "3.2"},
    {"hc_a1", 12, "2.4", "1.8"},
    {"hc_b1", 13, "2.4", "3.2"},
    {"a1_b1", 14, "1.8", "3.2"},
    {"lopsided_a_b", 0, "1234.5", "0.75"},
    {"lopsided_a_c", 1, "0.75", "1234.5"},
    {"lopsided_a_hc", 2, "1234.5", "0.75"},
    {"lopsided_a_a1", 3, "1234.5", "1234.4"},
    {"lopsided_a_b1", 4, "1234.5", "0.25"},
    {"lopsided_b_c", 5, "0.75", "1234.5"},
    {"lopsided_b_hc", 6, "1234.5", "0.75"},
    {"lopsided_b_a1", 7, "1234.5", "0.25"},
    {"lopsided_b_b1", 8, "1234.5", "1234.4"},
    {"lopsided_c_hc", 9, "1234.5", "0.75"},
    {"lopsided_c_a1", 10, "1234.5", "0.0005"},
    {"lopsided_c_b1", 11, "1234.5", "1234.4995"},
    {"lopsided_hc_a1", 12, "0.75", "1234.4"},
    {"lopsided_hc_b1", 13, "0.75", "0.0005"},
    {"lopsided_a1_b1", 14, "1234.4", "0.0005"},
};

class SolutionOfEveryPair : public testing::TestWithParam<std::tuple<TypedPair, RegionalSettings>> {};

// Each step's result is exactly what "Изчисли" writes into that box, the
// steps follow the order in which the solver computes, and the given values
// stand as the boxes write them.
TEST_P(SolutionOfEveryPair, StepsEndInTheTextsTheSolverWrites) {
  const auto& [pair, settings] = GetParam();
  const SolverInput input = InputForTypedPair(pair.row, pair.first, pair.second);
  SolveDetail detail;
  const SolveOutcome outcome = SolveTriangle(input, settings, detail);
  ASSERT_EQ(outcome.status, SolveStatus::Written);

  const WorkedSolution solution = WorkedSolutionOf(detail, outcome, settings);
  EXPECT_EQ(solution.outcome, WorkedSolution::Outcome::Solved);
  ASSERT_EQ(solution.steps.size(), 4U);
  ASSERT_EQ(detail.computedCount, 4);
  const auto forms =
      ExactForms(pair.row, *ExactDecimal::Parse(pair.first), *ExactDecimal::Parse(pair.second), settings);
  for (std::size_t n = 0; n < 4; ++n) {
    const SolutionStep& step = solution.steps[n];
    EXPECT_EQ(step.quantity, detail.computed[n]) << n;
    EXPECT_EQ(step.quantity, RowOf(pair.row).steps.at(n).quantity) << n;
    const std::string symbol(SymbolOf(step.quantity));
    const std::string box = outcome.texts[static_cast<std::size_t>(step.quantity)];
    const std::string result = PlainText(step.result);
    // With the exact form where it says more than the decimal: "c = 5√2 ≈ 7,0710678".
    const std::string& form = forms[static_cast<std::size_t>(step.quantity)];
    const std::string with_form = std::string(symbol).append(" = ").append(form).append(" ≈ ").append(box);
    EXPECT_TRUE(result == std::string(symbol).append(" = ").append(box) ||
                result == std::string(symbol).append(" ≈ ").append(box) ||
                (IsSurdOrFraction(form) && result == with_form))
        << result;
  }
  // The given values as typed, with the regional decimal sign.
  const GivenPair given = *PairOfListIndex(pair.row);
  const RegionalSettings& regional =
      settings;  // a structured binding cannot be captured before C++20 in clang 14
  const auto typed = [&regional](const std::string& text) {
    const auto point = text.find('.');
    std::string written = GroupedIntegerDigits(text.substr(0, point), regional);
    if (point != std::string::npos) written += regional.decimalSeparator + text.substr(point + 1);
    return written;
  };
  ASSERT_EQ(solution.given.size(), 2U);
  EXPECT_EQ(PlainText(solution.given[0]), std::string(SymbolOf(given.first)) + " = " + typed(pair.first));
  EXPECT_EQ(PlainText(solution.given[1]), std::string(SymbolOf(given.second)) + " = " + typed(pair.second));
  EXPECT_EQ(solution.sought.size(), 4U);
  EXPECT_EQ(solution.check.size(), 5U);  // the two equations, their differences and the verdict
}

std::string PairAndSettingsName(const testing::TestParamInfo<SolutionOfEveryPair::ParamType>& info) {
  static const char* const kNames[] = {"Posix", "Bulgarian", "EnglishUs"};
  return std::string(std::get<0>(info.param).name) + "_" + kNames[info.index % 3];
}

INSTANTIATE_TEST_SUITE_P(Pairs, SolutionOfEveryPair,
                         testing::Combine(testing::ValuesIn(kPairs),
                                          testing::Values(PosixSettings(), BulgarianSettings(),
                                                          EnglishUsSettings())),
                         PairAndSettingsName);

// The whole solution of four pairs, written out by hand.
struct WrittenSolution {
  const char* name;
  TypedPair typed;
  RegionalSettings settings;
  const char* text;
};

void PrintTo(const WrittenSolution& c, std::ostream* os) { *os << c.name; }

class WholeSolution : public testing::TestWithParam<WrittenSolution> {};

TEST_P(WholeSolution, ReadsAsWritten) {
  const WrittenSolution& c = GetParam();
  EXPECT_EQ(PlainSolution(SolveWithSteps(c.typed.row, c.typed.first, c.typed.second, c.settings)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, WholeSolution,
    testing::Values(
        WrittenSolution{"a_b_Bulgarian",
                        {"", 0, "3", "4"},
                        BulgarianSettings(),
                        "Дадено: a = 3; b = 4\n"
                        "Търсим: c, hc, a1, b1\n"
                        "1. c: Питагорова теорема (c² = a² + b²)\n"
                        "   c = √(a² + b²)\n"
                        "   c = √(3² + 4²)\n"
                        "   c = 5,0000000\n"
                        "2. hc: от лицето S = a·b/2 = c·hc/2 (c·hc = a·b)\n"
                        "   hc = a·b/c\n"
                        "   hc = 3·4/5,0000000\n"
                        "   hc = 2,4000000\n"
                        "3. a1: Евклидова теорема за катета (a² = a1·c)\n"
                        "   a1 = a²/c\n"
                        "   a1 = 3²/5,0000000\n"
                        "   a1 = 1,8000000\n"
                        "4. b1: Евклидова теорема за катета (b² = b1·c)\n"
                        "   b1 = b²/c\n"
                        "   b1 = 4²/5,0000000\n"
                        "   b1 = 3,2000000\n"
                        "Проверка:\n"
                        "   a² + b² = 3² + 4² = 25\n"
                        "   c² = 5,0000000² = 25; разлика c² − (a² + b²) = 0\n"
                        "   a·b = 3·4 = 12\n"
                        "   c·hc = 5,0000000·2,4000000 = 12; разлика c·hc − a·b = 0\n"
                        "   Двете равенства са изпълнени точно.\n"},
        WrittenSolution{
            "a_b1_KeptB1MovesC",
            {"", 4, "3", "3.2"},
            PosixSettings(),
            "Дадено: a = 3; b1 = 3.2\n"
            "Търсим: b, c, hc, a1\n"
            "1. a1: Евклидова теорема за катета и c = a1 + b1 (a² = a1·c)\n"
            "   От a² = a1·c и c = a1 + b1 следва a² = a1·(a1 + b1), т.е. квадратното уравнение a1² + b1·a1 "
            "− a² = 0:\n"
            "   a1² + 3.2·a1 − 9 = 0\n"
            "   D = b1² + 4·a² = 3.2² + 4·3² = 46.24\n"
            "   a1 = (−b1 ± √D)/2 = (−3.2 ± √46.24)/2\n"
            "   a1 = 1.8 или a1 = −5\n"
            "   Дължината е положителна, затова a1 = 1.8; коренът −5 не е решение.\n"
            "   a1 = (−b1 + √(b1² + 4·a²))/2\n"
            "   a1 = (−3.2 + √(3.2² + 4·3²))/2\n"
            "   a1 = 1.8000000\n"
            "2. c: хипотенузата е сбор от проекциите на катетите върху нея (c = a1 + b1)\n"
            "   c = a1 + b1\n"
            "   c = 1.8000000 + 3.2\n"
            "   c ≈ 5.0000001\n"
            "   При точно пресмятане c = 5; програмата показва 5.0000001, защото смята b1² с по-малка "
            "точност (около 7 значещи цифри): вместо b1² = 10.24 смята с 10.24000072.\n"
            "3. b: Евклидова теорема за катета (b² = b1·c)\n"
            "   b = √(c·b1)\n"
            "   b = √(5.0000001·3.2)\n"
            "   b ≈ 4.0000000\n"
            "4. hc: Евклидова теорема за височината (hc² = a1·b1)\n"
            "   hc = √(a1·b1)\n"
            "   hc = √(1.8000000·3.2)\n"
            "   hc = 2.4000000\n"
            "Проверка:\n"
            "   a² + b² = 3² + 4.0000000² = 25\n"
            "   c² = 5.0000001² = 25.00000100000001; разлика c² − (a² + b²) = 0.00000100000001\n"
            "   a·b = 3·4.0000000 = 12\n"
            "   c·hc = 5.0000001·2.4000000 = 12.00000024; разлика c·hc − a·b = 0.00000024\n"
            "   Разликите са по-големи, отколкото дава закръглянето: програмата смята b1² с по-малка точност "
            "(около 7 значещи цифри): вместо b1² = 10.24 смята с 10.24000072.\n"},
        WrittenSolution{
            "c_hc_TwoRootsOneTriangle",
            {"", 9, "10", "4.8"},
            PosixSettings(),
            "Дадено: c = 10; hc = 4.8\n"
            "Търсим: a, b, a1, b1\n"
            "1. b1: Евклидова теорема за височината и c = a1 + b1 (hc² = a1·b1)\n"
            "   От hc² = a1·b1 и a1 = c − b1 следва hc² = (c − b1)·b1, т.е. квадратното уравнение b1² − c·b1 "
            "+ hc² = 0:\n"
            "   b1² − 10·b1 + 23.04 = 0\n"
            "   D = c² − 4·hc² = 10² − 4·4.8² = 7.84\n"
            "   b1 = (c ± √D)/2 = (10 ± √7.84)/2\n"
            "   b1 = 6.4 или b1 = 3.6\n"
            "   И двата корена са положителни: те дават един и същ триъгълник, в който другият корен е a1, а "
            "катетите a и b си разменят имената. Избираме по-големия корен за b1 (тогава b ≥ a).\n"
            "   b1 = (c + √(c² − 4·hc²))/2\n"
            "   b1 = (10 + √(10² − 4·4.8²))/2\n"
            "   b1 = 6.4000000\n"
            "   Програмата пази b1 с по-малка точност (около 7 значещи цифри): по-нататък вместо 6.4 смята с "
            "6.400000095.\n"
            "2. a1: Евклидова теорема за височината (hc² = a1·b1)\n"
            "   a1 = hc²/b1\n"
            "   a1 = 4.8²/6.400000095\n"
            "   a1 ≈ 3.599999947\n"
            "   a1 ≈ 3.5999999\n"
            "   При точно пресмятане a1 = 3.6; програмата показва 3.5999999, защото пази b1 с по-малка "
            "точност (около 7 значещи цифри): вместо 6.4 смята с 6.400000095.\n"
            "3. a: Евклидова теорема за катета (a² = a1·c)\n"
            "   a = √(c·a1)\n"
            "   a = √(10·3.599999947)\n"
            "   a ≈ 6.0000000\n"
            "4. b: Евклидова теорема за катета (b² = b1·c)\n"
            "   b = √(c·b1)\n"
            "   b = √(10·6.400000095)\n"
            "   b ≈ 8.0000001\n"
            "   При точно пресмятане b = 8; програмата показва 8.0000001, защото пази b1 с по-малка точност "
            "(около 7 значещи цифри): вместо 6.4 смята с 6.400000095.\n"
            "Проверка:\n"
            "   a² + b² = 6.0000000² + 8.0000001² = 100.00000160000001\n"
            "   c² = 10² = 100; разлика c² − (a² + b²) = −0.00000160000001\n"
            "   a·b = 6.0000000·8.0000001 = 48.0000006\n"
            "   c·hc = 10·4.8 = 48; разлика c·hc − a·b = −0.0000006\n"
            "   Разликите са по-големи, отколкото дава закръглянето: програмата пази b1 с по-малка точност "
            "(около 7 значещи цифри): вместо 6.4 смята с 6.400000095.\n"},
        WrittenSolution{"c_hc_DoubleRootIsosceles",
                        {"", 9, "5", "2.5"},
                        PosixSettings(),
                        "Дадено: c = 5; hc = 2.5\n"
                        "Търсим: a, b, a1, b1\n"
                        "1. b1: Евклидова теорема за височината и c = a1 + b1 (hc² = a1·b1)\n"
                        "   От hc² = a1·b1 и a1 = c − b1 следва hc² = (c − b1)·b1, т.е. квадратното "
                        "уравнение b1² − c·b1 + hc² = 0:\n"
                        "   b1² − 5·b1 + 6.25 = 0\n"
                        "   D = c² − 4·hc² = 5² − 4·2.5² = 0\n"
                        "   D = 0: уравнението има един двоен корен b1 = c/2 = 5/2 = 2.5.\n"
                        "   Триъгълникът е равнобедрен: a1 = b1 и a = b.\n"
                        "   b1 = (c + √(c² − 4·hc²))/2\n"
                        "   b1 = (5 + √(5² − 4·2.5²))/2\n"
                        "   b1 = 2.5000000\n"
                        "2. a1: Евклидова теорема за височината (hc² = a1·b1)\n"
                        "   a1 = hc²/b1\n"
                        "   a1 = 2.5²/2.5000000\n"
                        "   a1 = 2.5000000\n"
                        "3. a: Евклидова теорема за катета (a² = a1·c)\n"
                        "   a = √(c·a1)\n"
                        "   a = √(5·2.5000000)\n"
                        "   a = 5√2/2 ≈ 3.5355339\n"
                        "4. b: Евклидова теорема за катета (b² = b1·c)\n"
                        "   b = √(c·b1)\n"
                        "   b = √(5·2.5000000)\n"
                        "   b = 5√2/2 ≈ 3.5355339\n"
                        "Проверка:\n"
                        "   a² + b² = 3.5355339² + 3.5355339² = 24.99999991609842\n"
                        "   c² = 5² = 25; разлика c² − (a² + b²) = 0.00000008390158\n"
                        "   a·b = 3.5355339·3.5355339 = 12.49999995804921\n"
                        "   c·hc = 5·2.5 = 12.5; разлика c·hc − a·b = 0.00000004195079\n"
                        "   Разликите идват от закръглянето.\n"},
        WrittenSolution{
            "c_b1_TypedB1KeptWithSevenDigits",
            {"", 11, "10", "3.1415926"},
            PosixSettings(),
            "Дадено: c = 10; b1 = 3.1415926\n"
            "Програмата пази b1 с по-малка точност (около 7 значещи цифри): вместо 3.1415926 смята с "
            "3.141592503. В полето се изписва 3.1415930.\n"
            "Търсим: a, b, hc, a1\n"
            "1. a1: хипотенузата е сбор от проекциите на катетите върху нея (c = a1 + b1)\n"
            "   a1 = c − b1\n"
            "   a1 = 10 − 3.14159250\n"
            "   a1 = 6.8584075\n"
            "   При точно пресмятане a1 = 6.8584074; програмата показва 6.8584075, защото пази b1 с по-малка "
            "точност (около 7 значещи цифри): вместо 3.1415926 смята с 3.141592503.\n"
            "2. a: Евклидова теорема за катета (a² = a1·c)\n"
            "   a = √(c·a1)\n"
            "   a = √(10·6.8584075)\n"
            "   a ≈ 8.2815503\n"
            "   При точно пресмятане a = √68584074/1000 ≈ 8.2815502; програмата показва 8.2815503, защото "
            "пази b1 с по-малка точност (около 7 значещи цифри): вместо 3.1415926 смята с 3.141592503.\n"
            "3. b: Евклидова теорема за катета (b² = b1·c)\n"
            "   b = √(c·b1)\n"
            "   b = √(10·3.14159250)\n"
            "   b ≈ 5.6049911\n"
            "   При точно пресмятане b = √31415926/1000 ≈ 5.6049912; програмата показва 5.6049911, защото "
            "пази b1 с по-малка точност (около 7 значещи цифри): вместо 3.1415926 смята с 3.141592503.\n"
            "4. hc: Евклидова теорема за височината (hc² = a1·b1)\n"
            "   hc = √(a1·b1)\n"
            "   hc = √(6.8584075·3.14159250)\n"
            "   hc ≈ 4.6418015\n"
            "   При точно пресмятане hc = √538658048390631/5000000 ≈ 4.6418016; програмата показва "
            "4.6418015, защото пази b1 с по-малка точност (около 7 значещи цифри): вместо 3.1415926 смята с "
            "3.141592503.\n"
            "Проверка:\n"
            "   a² + b² = 8.2815503² + 5.6049911² = 100.0000006025093\n"
            "   c² = 10² = 100; разлика c² − (a² + b²) = −0.0000006025093\n"
            "   a·b = 8.2815503·5.6049911 = 46.41801572570233\n"
            "   c·hc = 10·4.6418015 = 46.418015; разлика c·hc − a·b = −0.00000072570233\n"
            "   Разликите идват от закръглянето.\n"},
        WrittenSolution{"c_a1_StopsAtANegativeLength",
                        {"", 10, "5", "6"},
                        PosixSettings(),
                        "Дадено: c = 5; a1 = 6\n"
                        "Търсим: a, b, hc, b1\n"
                        "1. b1: хипотенузата е сбор от проекциите на катетите върху нея (c = a1 + b1)\n"
                        "   b1 = c − a1\n"
                        "   b1 = 5 − 6\n"
                        "   b1 = −1\n"
                        "При точно пресмятане b1 е отрицателно число: такъв триъгълник няма.\n"
                        "Проекцията a1 трябва да е по-къса от хипотенузата c: двете проекции заедно "
                        "образуват хипотенузата (c = a1 + b1).\n"
                        "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"},
        WrittenSolution{"a_c_ZeroLengthIsNoTriangle",
                        {"", 1, "5", "5"},
                        PosixSettings(),
                        "Дадено: a = 5; c = 5\n"
                        "Търсим: b, hc, a1, b1\n"
                        "1. b: Питагорова теорема (c² = a² + b²)\n"
                        "   b = √(c² − a²)\n"
                        "   b = √(5² − 5²)\n"
                        "   b = 0.0000000\n"
                        "При точно пресмятане b = 0. Получава се дължина 0: триъгълникът се изражда в "
                        "отсечка, т.е. не съществува.\n"
                        "Катетът a трябва да е по-къс от хипотенузата c: хипотенузата е най-дългата страна "
                        "на правоъгълния триъгълник.\n"
                        "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"},
        WrittenSolution{"a_b_TooLargeToRead",
                        {"", 0, "1e400", "4"},
                        PosixSettings(),
                        "Дадено: a = „1e400“; b = 4\n"
                        "Търсим: c, hc, a1, b1\n"
                        "Стойността на a („1e400“) е твърде голяма, затова решението спира тук.\n"
                        "Някоя от стойностите е твърде голяма: с нея дължините излизат извън обхвата на "
                        "числата, с които програмата смята.\n"
                        "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"},
        WrittenSolution{
            "hc_a1_ComputedB1Kept",
            {"", 12, "12.7", "0.35"},
            PosixSettings(),
            "Дадено: hc = 12.7; a1 = 0.35\n"
            "Търсим: a, b, c, b1\n"
            "1. b1: Евклидова теорема за височината (hc² = a1·b1)\n"
            "   b1 = hc²/a1\n"
            "   b1 = 12.7²/0.35\n"
            "   b1 ≈ 460.8286000\n"
            "   При точно пресмятане b1 = 16129/35 ≈ 460.8285714; програмата показва 460.8286000, защото "
            "пази b1 с по-малка точност (около 7 значещи цифри): вместо 460.8285714… смята с 460.8285828.\n"
            "2. c: хипотенузата е сбор от проекциите на катетите върху нея (c = a1 + b1)\n"
            "   c = a1 + b1\n"
            "   c = 0.35 + 460.82858276\n"
            "   c = 461.17858276\n"
            "   c ≈ 461.1785828\n"
            "   При точно пресмятане c = 12913/28 ≈ 461.1785714; програмата показва 461.1785828, защото пази "
            "b1 с по-малка точност (около 7 значещи цифри): вместо 460.8285714… смята с 460.8285828.\n"
            "3. a: Евклидова теорема за катета (a² = a1·c)\n"
            "   a = √(c·a1)\n"
            "   a = √(461.17858276·0.35)\n"
            "   a ≈ 12.7048221\n"
            "   При точно пресмятане a = √64565/20 ≈ 12.7048219; програмата показва 12.7048221, защото пази "
            "b1 с по-малка точност (около 7 значещи цифри): вместо 460.8285714… смята с 460.8285828.\n"
            "4. b: Евклидова теорема за катета (b² = b1·c)\n"
            "   b = √(c·b1)\n"
            "   b = √(461.17858276·460.82858276)\n"
            "   b ≈ 461.0035495\n"
            "   При точно пресмятане b = 127√64565/70 ≈ 461.0035382; програмата показва 461.0035495, защото "
            "пази b1 с по-малка точност (около 7 значещи цифри): вместо 460.8285714… смята с 460.8285828.\n"
            "Проверка:\n"
            "   a² + b² = 12.7048221² + 461.0035495² = 212685.68515619159866\n"
            "   c² = 461.1785828² = 212685.68523341645584; разлика c² − (a² + b²) = 0.00007722485718\n"
            "   a·b = 12.7048221·461.0035495 = 5856.96808386604395\n"
            "   c·hc = 461.1785828·12.7 = 5856.96800156; разлика c·hc − a·b = −0.00008230604395\n"
            "   Разликите са по-големи, отколкото дава закръглянето: програмата пази b1 с по-малка точност "
            "(около 7 значещи цифри): вместо 460.8285714… смята с 460.8285828.\n"},
        WrittenSolution{
            "c_hc_QuadraticWithoutRoots",
            {"", 9, "5", "3"},
            PosixSettings(),
            "Дадено: c = 5; hc = 3\n"
            "Търсим: a, b, a1, b1\n"
            "1. b1: Евклидова теорема за височината и c = a1 + b1 (hc² = a1·b1)\n"
            "   От hc² = a1·b1 и a1 = c − b1 следва hc² = (c − b1)·b1, т.е. квадратното уравнение b1² − c·b1 "
            "+ hc² = 0:\n"
            "   b1² − 5·b1 + 9 = 0\n"
            "   D = c² − 4·hc² = 5² − 4·3² = −11\n"
            "   D < 0: уравнението няма реални корени.\n"
            "   b1 = (c + √(c² − 4·hc²))/2\n"
            "   b1 = (5 + √(5² − 4·3²))/2\n"
            "Тук пресмятането спира: под корена се получава отрицателно число.\n"
            "При точно пресмятане b1 не може да се изчисли: такъв триъгълник няма.\n"
            "Височината hc може да е най-много половината от хипотенузата c: височината към хипотенузата не "
            "е по-дълга от медианата c/2 (от hc² = a1·b1 и c = a1 + b1 следва hc ≤ c/2).\n"
            "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"},
        WrittenSolution{"NotPositive",
                        {"", 0, "3", "abc"},
                        PosixSettings(),
                        "Дадено: a = 3; b = „abc“\n"
                        "Търсим: c, hc, a1, b1\n"
                        "Дадената стойност на b („abc“) не е положително число, затова решението спира тук.\n"
                        "Дадените стойности трябва да са положителни числа (например 3 или 2.4).\n"},
        WrittenSolution{"b_hc_ZeroThenDivisionFails",
                        {"", 6, "3", "3"},
                        PosixSettings(),
                        "Дадено: b = 3; hc = 3\n"
                        "Търсим: a, c, a1, b1\n"
                        "1. b1: Питагорова теорема за триъгълника с хипотенуза b (b² = hc² + b1²)\n"
                        "   b1 = √(b² − hc²)\n"
                        "   b1 = √(3² − 3²)\n"
                        "   b1 = 0\n"
                        "При точно пресмятане b1 = 0. Получава се дължина 0: триъгълникът се изражда в "
                        "отсечка, т.е. не съществува.\n"
                        "Височината hc трябва да е по-къса от катета b: катетът е хипотенуза в правоъгълния "
                        "триъгълник, който височината отрязва.\n"
                        "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"}),
    [](const auto& info) { return info.param.name; });

// The note on b1's single precision stands at the steps whose digit it
// moves, and nowhere else.
TEST(SolutionNotes, TheSinglePrecisionNoteStandsOnlyWhereItShows) {
  const auto notes = [](int row, const char* first, const char* second) {
    std::string all;
    const WorkedSolution solution = SolveWithSteps(row, first, second, PosixSettings());
    for (const SolutionStep& step : solution.steps) {
      for (const std::string& note : step.notes)
        all += std::string(SymbolOf(step.quantity)) + ": " + note + "\n";
    }
    return all;
  };
  EXPECT_NE(notes(3, "3", "1.8")
                .find("b: При точно пресмятане b = 4; програмата показва 4.0000001, защото пази b1 с "
                      "по-малка точност (около 7 значещи цифри): вместо 3.2 смята с 3.200000048."),
            std::string::npos);
  EXPECT_NE(notes(8, "4", "3.2")
                .find("a: При точно пресмятане a = 3; програмата показва 2.9999997, защото смята b1² с "
                      "по-малка точност (около 7 значещи цифри): вместо b1² = 10.24 смята с 10.24000072."),
            std::string::npos);
  EXPECT_EQ(notes(0, "3", "4"), "");
  EXPECT_EQ(notes(14, "1.8", "3.2"), "");
}

TEST(SolutionNotes, AValueTooLargeStopsBeforeAnyStep) {
  const WorkedSolution solution = SolveWithSteps(0, "1e309", "4", PosixSettings());
  EXPECT_EQ(solution.outcome, WorkedSolution::Outcome::Failed);
  EXPECT_TRUE(solution.steps.empty());
  ASSERT_FALSE(solution.stop.empty());
  EXPECT_EQ(solution.stop[0], "Стойността на a („1e309“) е твърде голяма, затова решението спира тук.");
}

TEST(SolutionNotes, NoPairNoSolution) {
  EXPECT_EQ(SolveWithSteps(-1, "3", "4", PosixSettings()).outcome, WorkedSolution::Outcome::NoPair);
  EXPECT_EQ(SolveWithSteps(15, "3", "4", PosixSettings()).outcome, WorkedSolution::Outcome::NoPair);
}

// The structured form: symbols, numbers and squares as pieces of their own,
// for a page that sets subscripts and superscripts.
TEST(SolutionPieces, SymbolsNumbersAndSquaresAreTheirOwnPieces) {
  const WorkedSolution solution = SolveWithSteps(12, "2.4", "1.8", BulgarianSettings());
  const MathText& substituted = solution.steps[0].substituted;  // b1 = 2,4²/1,8
  ASSERT_EQ(substituted.size(), 6U);
  EXPECT_EQ(substituted[0].kind, MathPiece::Kind::Symbol);
  EXPECT_EQ(substituted[0].text, "b1");
  EXPECT_EQ(substituted[1].text, " = ");
  EXPECT_EQ(substituted[2].kind, MathPiece::Kind::Number);
  EXPECT_EQ(substituted[2].text, "2,4");
  EXPECT_EQ(substituted[3].kind, MathPiece::Kind::Square);
  EXPECT_EQ(substituted[4].text, "/");
  EXPECT_EQ(substituted[5].kind, MathPiece::Kind::Number);
  EXPECT_EQ(substituted[5].text, "1,8");
}

// A box's own minus becomes the solution's "−"; other texts stay.
TEST(SolutionNumbers, BoxTextsTakeTheSolutionsMinus) {
  RegionalSettings settings = BulgarianSettings();
  EXPECT_EQ(SolutionBoxText("-1,5000000", settings), "−1,5000000");
  EXPECT_EQ(SolutionBoxText("1,5000000", settings), "1,5000000");
  settings.negativeSign = "\u2212";
  EXPECT_EQ(SolutionBoxText("\u22121,5000000", settings), "−1,5000000");
  settings.negativeSign.clear();
  EXPECT_EQ(SolutionBoxText("-1", settings), "-1");
}

TEST(SolutionPieces, ParsingKeepsWordsThatAreNoSymbol) {
  const MathText text = ParseMathText("hc² = a1·b1 и c");
  ASSERT_EQ(text.size(), 8U);
  EXPECT_EQ(text[0].kind, MathPiece::Kind::Symbol);
  EXPECT_EQ(text[1].kind, MathPiece::Kind::Square);
  EXPECT_EQ(text[3].text, "a1");
  EXPECT_EQ(text[6].text, " и ");
  EXPECT_EQ(PlainText(text), "hc² = a1·b1 и c");
  EXPECT_EQ(PlainText(ParseMathText("abc a1x")), "abc a1x");
  EXPECT_EQ(ParseMathText("abc a1x").size(), 1U);
}

// The branches of a solution that a whole text does not pin elsewhere:
// what each must say, and what it must not.
TEST(SolutionBranches, SayWhatTheyMust) {
  struct Case {
    int row;
    const char* first;
    const char* second;
    RegionalSettings settings;
    std::vector<std::string> says;
    std::vector<std::string> never;
  };
  const Case cases[] = {
      // The single nearest 7,33 is 7,3299999237…: later steps need its digits.
      {13,
       "23.24",
       "7.33",
       PosixSettings(),
       {"вместо 7.33 смята с 7.329999924", "a1 = 23.24²/7.329999924"},
       {}},
      // D = 1,69·10⁻¹² − 1,44·10⁻¹² = 2,5·10⁻¹³, √D = 5·10⁻⁷: the roots are exact.
      {9,
       "0.0000013",
       "0.0000006",
       PosixSettings(),
       {"± √(2.5·10⁻¹³))/2", "   b1 = 0.0000009\n", "   a1 = 0.0000004\n"},
       {}},
      // A power of ten next to "·" is bracketed on either side.
      {0,
       "1e-13",
       "1e-13",
       PosixSettings(),
       {"Дадено: a = 1·10⁻¹³; b = 1·10⁻¹³", "hc = (1·10⁻¹³)·(1·10⁻¹³)/", "a·b = (1·10⁻¹³)·(1·10⁻¹³) = "},
       {}},
      // „Проверка“ squares a given length as typed, to its last digit.
      {0, "0.12345678", "1", PosixSettings(), {"   a² + b² = 0.12345678² + 1² = 1.0152415765279684\n"}, {}},
      // One equation holds to the last digit, the other does not: no
      // claim that both hold.
      {1,
       "5",
       "13",
       PosixSettings(),
       {"разлика c² − (a² + b²) = 0\n", "разлика c·hc − a·b = −0.0000002\n",
        "Разликите идват от закръглянето."},
       {"Двете равенства"}},
      // The rejected root by name where it has more than seven decimals.
      {4,
       "0.00000006",
       "0.00000005",
       PosixSettings(),
       {"; отрицателният корен не е решение."},
       {"коренът −"}},
      // An overflow stops at once: no check and no note on rounding after it.
      {0,
       "1e200",
       "1e200",
       PosixSettings(),
       {"числото излиза извън обхвата", "c = √((1·10²⁰⁰)² + (1·10²⁰⁰)²)"},
       {"Проверка", "закръгл"}},
      // A power of ten as a divisor is bracketed.
      {12, "1e20", "1e-20", PosixSettings(), {"b1 = 100000000000000000000²/(1·10⁻²⁰)\n"}, {}},
      {8, "4", "3.2", PosixSettings(), {"По-кратко: c = b²/b1"}, {}},
      {7, "4", "1.8", PosixSettings(), {}, {"По-кратко"}},
      {11,
       "5",
       "5",
       PosixSettings(),
       {"   a1 = 0.0000000\n",
        "При точно пресмятане a1 = 0. Получава се дължина 0: триъгълникът се изражда в отсечка, т.е. не "
        "съществува.",
        "Проекцията b1 трябва да е по-къса от хипотенузата c"},
       {"Проверка"}},
      {0, "2,5", "4", BulgarianSettings(), {"Дадено: a = 2,5; b = 4\n", "c = √89/2 ≈ 4,7169906"}, {}},
      {0, "5", "5", PosixSettings(), {"c = 5√2 ≈ 7.0710678", "hc = 5√2/2 ≈ 3.5355339"}, {}},
  };
  for (const Case& c : cases) {
    test::ExpectMentions(PlainSolution(SolveWithSteps(c.row, c.first, c.second, c.settings)), c.says,
                         c.never);
  }
}

}  // namespace
}  // namespace rt
