#include "solution/worked_solution.h"

#include <gtest/gtest.h>

#include <string>

#include "model/given_pair.h"
#include "model/triangle_solver.h"
#include "solution/recipes.h"
#include "tests/regional_presets.h"

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

  const WorkedSolution solution = SolveWithSteps(pair.row, pair.first, pair.second, settings);
  EXPECT_EQ(solution.outcome, WorkedSolution::Outcome::Solved);
  ASSERT_EQ(solution.steps.size(), 4U);
  ASSERT_EQ(detail.computedCount, 4);
  for (std::size_t n = 0; n < 4; ++n) {
    const SolutionStep& step = solution.steps[n];
    EXPECT_EQ(step.quantity, detail.computed[n]) << n;
    EXPECT_EQ(step.quantity, RecipeOfRow(pair.row)[n].quantity) << n;
    const std::string symbol(SymbolOf(step.quantity));
    EXPECT_EQ(PlainText(step.result),
              symbol + " = " + outcome.texts[static_cast<std::size_t>(step.quantity)]);
  }
  const GivenPair given = *PairOfListIndex(pair.row);
  ASSERT_EQ(solution.given.size(), 2U);
  EXPECT_EQ(PlainText(solution.given[0]), std::string(SymbolOf(given.first)) + " = " +
                                              outcome.texts[static_cast<std::size_t>(given.first)]);
  EXPECT_EQ(PlainText(solution.given[1]), std::string(SymbolOf(given.second)) + " = " +
                                              outcome.texts[static_cast<std::size_t>(given.second)]);
  EXPECT_EQ(solution.sought.size(), 4U);
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
                        "Дадено: a = 3,0000000; b = 4,0000000\n"
                        "Търсим: c, hc, a1, b1\n"
                        "1. c: Питагорова теорема (c² = a² + b²)\n"
                        "   c = √(a² + b²)\n"
                        "   c = √(3,0000000² + 4,0000000²)\n"
                        "   c = 5,0000000\n"
                        "2. hc: лицето на триъгълника, пресметнато по два начина (a·b = c·hc)\n"
                        "   hc = a·b/c\n"
                        "   hc = 3,0000000·4,0000000/5,0000000\n"
                        "   hc = 2,4000000\n"
                        "3. a1: катетът a и проекцията му (a² = a1·c)\n"
                        "   a1 = a²/c\n"
                        "   a1 = 3,0000000²/5,0000000\n"
                        "   a1 = 1,8000000\n"
                        "4. b1: катетът b и проекцията му (b² = b1·c)\n"
                        "   b1 = b²/c\n"
                        "   b1 = 4,0000000²/5,0000000\n"
                        "   b1 = 3,2000000\n"},
        // b1 is single: 1.8 + 3.2000000476837158 gives c = 5.0000001.
        WrittenSolution{
            "a_b1",
            {"", 4, "3", "3.2"},
            PosixSettings(),
            "Дадено: a = 3.0000000; b1 = 3.2000000\n"
            "Търсим: b, c, hc, a1\n"
            "1. a1: квадратно уравнение (a² = a1·c и c = a1 + b1)\n"
            "   От a² = a1·c и c = a1 + b1 следва a² = a1·(a1 + b1), т.е. квадратното уравнение\n"
            "   a1² + b1·a1 − a² = 0, тук a1² + 3.2000000·a1 − 3.0000000² = 0.\n"
            "   Корените му са a1 = (−b1 ± √(b1² + 4·a²))/2:\n"
            "   a1 = 1.8000000 или a1 = -5.0000000\n"
            "   Дължината е положително число, затова a1 е положителният корен.\n"
            "   a1 = (−b1 + √(b1² + 4·a²))/2\n"
            "   a1 = (−3.2000000 + √(3.2000000² + 4·3.0000000²))/2\n"
            "   a1 = 1.8000000\n"
            "2. c: петата на височината дели хипотенузата на двете проекции (c = a1 + b1)\n"
            "   c = a1 + b1\n"
            "   c = 1.8000000 + 3.2000000\n"
            "   c = 5.0000001\n"
            "3. b: катетът b и проекцията му (b² = b1·c)\n"
            "   b = √(c·b1)\n"
            "   b = √(5.0000001·3.2000000)\n"
            "   b = 4.0000000\n"
            "4. hc: височината към хипотенузата и проекциите (hc² = a1·b1)\n"
            "   hc = √(a1·b1)\n"
            "   hc = √(1.8000000·3.2000000)\n"
            "   hc = 2.4000000\n"
            "Програмата пази b1 със седем значещи цифри; затова последният десетичен знак на някои "
            "дължини се различава от точния.\n"},
        WrittenSolution{
            "c_hc",
            {"", 9, "10", "4.8"},
            PosixSettings(),
            "Дадено: c = 10.0000000; hc = 4.8000000\n"
            "Търсим: a, b, a1, b1\n"
            "1. b1: квадратно уравнение (hc² = a1·b1 и c = a1 + b1)\n"
            "   От hc² = a1·b1 и a1 = c − b1 следва hc² = (c − b1)·b1, т.е. квадратното уравнение\n"
            "   b1² − c·b1 + hc² = 0, тук b1² − 10.0000000·b1 + 4.8000000² = 0.\n"
            "   Корените му са b1 = (c ± √(c² − 4·hc²))/2:\n"
            "   b1 = 6.4000000 или b1 = 3.6000000\n"
            "   Двата корена са двете проекции: програмата взима по-големия за b1, така че b ≥ a.\n"
            "   С тези c и hc има два триъгълника; те се различават само по това, че катетите a и b "
            "са разменени.\n"
            "   b1 = (c + √(c² − 4·hc²))/2\n"
            "   b1 = (10.0000000 + √(10.0000000² − 4·4.8000000²))/2\n"
            "   b1 = 6.4000000\n"
            "2. a1: височината към хипотенузата и проекциите (hc² = a1·b1)\n"
            "   a1 = hc²/b1\n"
            "   a1 = 4.8000000²/6.4000000\n"
            "   a1 = 3.5999999\n"
            "3. a: катетът a и проекцията му (a² = a1·c)\n"
            "   a = √(c·a1)\n"
            "   a = √(10.0000000·3.5999999)\n"
            "   a = 6.0000000\n"
            "4. b: катетът b и проекцията му (b² = b1·c)\n"
            "   b = √(c·b1)\n"
            "   b = √(10.0000000·6.4000000)\n"
            "   b = 8.0000001\n"
            "Програмата пази b1 със седем значещи цифри; затова последният десетичен знак на някои "
            "дължини се различава от точния.\n"},
        WrittenSolution{"hc_a1",
                        {"", 12, "2.4", "1.8"},
                        PosixSettings(),
                        "Дадено: hc = 2.4000000; a1 = 1.8000000\n"
                        "Търсим: a, b, c, b1\n"
                        "1. b1: височината към хипотенузата и проекциите (hc² = a1·b1)\n"
                        "   b1 = hc²/a1\n"
                        "   b1 = 2.4000000²/1.8000000\n"
                        "   b1 = 3.2000000\n"
                        "2. c: петата на височината дели хипотенузата на двете проекции (c = a1 + b1)\n"
                        "   c = a1 + b1\n"
                        "   c = 1.8000000 + 3.2000000\n"
                        "   c = 5.0000000\n"
                        "3. a: катетът a и проекцията му (a² = a1·c)\n"
                        "   a = √(c·a1)\n"
                        "   a = √(5.0000000·1.8000000)\n"
                        "   a = 3.0000000\n"
                        "4. b: катетът b и проекцията му (b² = b1·c)\n"
                        "   b = √(c·b1)\n"
                        "   b = √(5.0000000·3.2000000)\n"
                        "   b = 4.0000000\n"},
        WrittenSolution{"NotPositive",
                        {"", 0, "3", "abc"},
                        PosixSettings(),
                        "Дадено: a = „3“; b = „abc“\n"
                        "Търсим: c, hc, a1, b1\n"
                        "Дадената стойност на b („abc“) не е положително число, затова решението спира тук.\n"
                        "Дадените стойности трябва да са положителни числа (например 3 или 2.4).\n"},
        WrittenSolution{
            "FailsAtTheFirstStep",
            {"", 1, "5", "3"},
            PosixSettings(),
            "Дадено: a = 5.0000000; c = 3.0000000\n"
            "Търсим: b, hc, a1, b1\n"
            "1. b: Питагорова теорема (c² = a² + b²)\n"
            "   b = √(c² − a²)\n"
            "   b = √(3.0000000² − 5.0000000²)\n"
            "Тук пресмятането спира: под корена се получава отрицателно число.\n"
            "Катетът a трябва да е по-къс от хипотенузата c: хипотенузата е най-дългата страна на "
            "правоъгълния триъгълник.\n"
            "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"},
        WrittenSolution{"FailsAtTheSecondStep",
                        {"", 6, "3", "3"},
                        PosixSettings(),
                        "Дадено: b = 3.0000000; hc = 3.0000000\n"
                        "Търсим: a, c, a1, b1\n"
                        "1. b1: Питагорова теорема в триъгълника с хипотенуза b (b² = hc² + b1²)\n"
                        "   b1 = √(b² − hc²)\n"
                        "   b1 = √(3.0000000² − 3.0000000²)\n"
                        "   b1 = 0.0000000\n"
                        "2. a1: височината към хипотенузата и проекциите (hc² = a1·b1)\n"
                        "   a1 = hc²/b1\n"
                        "   a1 = 3.0000000²/0.0000000\n"
                        "Тук пресмятането спира: трябва да се дели на 0.\n"
                        "Височината hc трябва да е по-къса от катета b: катетът е хипотенуза в правоъгълния "
                        "триъгълник, който височината отрязва.\n"
                        "Поправете дадените стойности и натиснете „Изчисли“ отново.\n"}),
    [](const auto& info) { return info.param.name; });

TEST(SolutionNotes, TheSinglePrecisionNoteStandsOnlyWhereItShows) {
  EXPECT_FALSE(SolveWithSteps(3, "3", "1.8", PosixSettings()).singlePrecisionNote.empty());  // b = 4.0000001
  EXPECT_FALSE(SolveWithSteps(8, "4", "3.2", PosixSettings()).singlePrecisionNote.empty());  // a = 2.9999997
  EXPECT_TRUE(SolveWithSteps(0, "3", "4", PosixSettings()).singlePrecisionNote.empty());
  EXPECT_TRUE(SolveWithSteps(14, "1.8", "3.2", PosixSettings()).singlePrecisionNote.empty());
}

TEST(SolutionNotes, AValueTooLargeStopsBeforeAnyStep) {
  const WorkedSolution solution = SolveWithSteps(0, "1e309", "4", PosixSettings());
  EXPECT_EQ(solution.outcome, WorkedSolution::Outcome::Failed);
  EXPECT_TRUE(solution.steps.empty());
  ASSERT_FALSE(solution.stop.empty());
  EXPECT_EQ(solution.stop[0].rfind("Някоя от стойностите е твърде голяма", 0), 0U);
}

TEST(SolutionNotes, NoPairNoSolution) {
  EXPECT_EQ(SolveWithSteps(-1, "3", "4", PosixSettings()).outcome, WorkedSolution::Outcome::NoPair);
  EXPECT_EQ(SolveWithSteps(15, "3", "4", PosixSettings()).outcome, WorkedSolution::Outcome::NoPair);
}

// The structured form: symbols, numbers and squares as pieces of their own,
// for a page that sets subscripts and superscripts.
TEST(SolutionPieces, SymbolsNumbersAndSquaresAreTheirOwnPieces) {
  const WorkedSolution solution = SolveWithSteps(12, "2.4", "1.8", BulgarianSettings());
  const MathText& substituted = solution.steps[0].substituted;  // b1 = 2,4000000²/1,8000000
  ASSERT_EQ(substituted.size(), 6U);
  EXPECT_EQ(substituted[0].kind, MathPiece::Kind::Symbol);
  EXPECT_EQ(substituted[0].text, "b1");
  EXPECT_EQ(substituted[1].text, " = ");
  EXPECT_EQ(substituted[2].kind, MathPiece::Kind::Number);
  EXPECT_EQ(substituted[2].text, "2,4000000");
  EXPECT_EQ(substituted[3].kind, MathPiece::Kind::Square);
  EXPECT_EQ(substituted[4].text, "/");
  EXPECT_EQ(substituted[5].kind, MathPiece::Kind::Number);
  EXPECT_EQ(substituted[5].text, "1,8000000");
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

}  // namespace
}  // namespace rt
