#include "model/triangle_solver.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/given_pair.h"
#include "tests/regional_presets.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::EnglishUsSettings;
using test::PosixSettings;
using Texts = std::array<std::string, kQuantityCount>;

// A solver input for row k with the two given values typed into the boxes of
// the row's quantities and those two ticked, as the window leaves them.
struct Typed {
  int listIndex;
  std::string first;
  std::string second;
};

SolveOutcome Solve(const Typed& typed, const RegionalSettings& settings = PosixSettings()) {
  return SolveTriangle(InputForTypedPair(typed.listIndex, typed.first, typed.second), settings);
}

struct WrittenCase {
  const char* name;
  Typed typed;
  Texts expected;
};

void PrintTo(const WrittenCase& c, std::ostream* os) { *os << c.name; }

class SolverWritesTest : public testing::TestWithParam<WrittenCase> {};

TEST_P(SolverWritesTest, WritesTheSixTexts) {
  const SolveOutcome outcome = Solve(GetParam().typed);
  ASSERT_EQ(outcome.status, SolveStatus::Written);
  EXPECT_EQ(outcome.texts, GetParam().expected);
}

const Texts k345 = {"3.0000000", "4.0000000", "5.0000000", "2.4000000", "1.8000000", "3.2000000"};

// The 3-4-5 triangle given in each of the fifteen ways; rows a,a1, a,b1 and
// b,b1 show the single-precision b1 in the seventh decimal.
INSTANTIATE_TEST_SUITE_P(
    ThreeFourFive, SolverWritesTest,
    testing::Values(
        WrittenCase{"a_b", {0, "3", "4"}, k345}, WrittenCase{"a_c", {1, "3", "5"}, k345},
        WrittenCase{"a_hc", {2, "3", "2.4"}, k345},
        WrittenCase{"a_a1",
                    {3, "3", "1.8"},
                    {"3.0000000", "4.0000001", "5.0000000", "2.4000000", "1.8000000", "3.2000000"}},
        WrittenCase{"a_b1",
                    {4, "3", "3.2"},
                    {"3.0000000", "4.0000000", "5.0000001", "2.4000000", "1.8000000", "3.2000000"}},
        WrittenCase{"b_c", {5, "4", "5"}, k345}, WrittenCase{"b_hc", {6, "4", "2.4"}, k345},
        WrittenCase{"b_a1", {7, "4", "1.8"}, k345},
        // b1 squared in single precision: 10.24000072479248 instead of 10.24.
        WrittenCase{"b_b1",
                    {8, "4", "3.2"},
                    {"2.9999997", "4.0000000", "4.9999998", "2.3999998", "1.7999997", "3.2000000"}},
        WrittenCase{"c_hc", {9, "5", "2.4"}, k345}, WrittenCase{"c_a1", {10, "5", "1.8"}, k345},
        WrittenCase{"c_b1", {11, "5", "3.2"}, k345}, WrittenCase{"hc_a1", {12, "2.4", "1.8"}, k345},
        WrittenCase{"hc_b1", {13, "2.4", "3.2"}, k345}, WrittenCase{"a1_b1", {14, "1.8", "3.2"}, k345}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Boundaries, SolverWritesTest,
    testing::Values(
        // The larger projection becomes b1, and the rounded b1 shows in b and a1.
        WrittenCase{"HypotenuseTenAltitudeFourPointEight",
                    {9, "10", "4.8"},
                    {"6.0000000", "8.0000001", "10.0000000", "4.8000000", "3.5999999", "6.4000000"}},
        WrittenCase{"AltitudeHalfTheHypotenuseIsIsosceles",
                    {9, "5", "2.5"},
                    {"3.5355339", "3.5355339", "5.0000000", "2.5000000", "2.5000000", "2.5000000"}},
        WrittenCase{"LegEqualToHypotenuse",
                    {1, "3", "3"},
                    {"3.0000000", "0.0000000", "3.0000000", "0.0000000", "3.0000000", "0.0000000"}},
        WrittenCase{"OtherLegEqualToHypotenuse",
                    {5, "3", "3"},
                    {"0.0000000", "3.0000000", "3.0000000", "0.0000000", "0.0000000", "3.0000000"}},
        WrittenCase{"ProjectionEqualToLeg",
                    {8, "4", "4"},
                    {"0.0000000", "4.0000000", "4.0000000", "0.0000000", "0.0000000", "4.0000000"}},
        WrittenCase{"ProjectionEqualToHypotenuse",
                    {10, "5", "5"},
                    {"5.0000000", "0.0000000", "5.0000000", "0.0000000", "5.0000000", "0.0000000"}},
        WrittenCase{"UnitAfterNumberCountsAsNumber",
                    {0, "4cm", "3"},
                    {"4.0000000", "3.0000000", "5.0000000", "2.4000000", "3.2000000", "1.8000000"}},
        WrittenCase{"TinyValueWrittenAsZero",
                    {14, "1e-8", "1"},
                    {"0.0001000", "1.0000000", "1.0000000", "0.0001000", "0.0000000", "1.0000000"}},
        WrittenCase{"SixEightTen",
                    {0, "6", "8"},
                    {"6.0000000", "8.0000000", "10.0000000", "4.8000000", "3.6000000", "6.4000000"}},
        // b1 is written from its single value: seven significant digits.
        WrittenCase{"FiveTwelveThirteen",
                    {5, "12", "13"},
                    {"5.0000000", "12.0000000", "13.0000000", "4.6153846", "1.9230769", "11.0769200"}},
        WrittenCase{"GivenB1TooSmallForSingleBecomesZero",
                    {14, "4", "1e-50"},
                    {"4.0000000", "0.0000000", "4.0000000", "0.0000000", "4.0000000", "0.0000000"}}),
    [](const auto& info) { return info.param.name; });

struct FailedCase {
  const char* name;
  Typed typed;
  RuntimeError error;
  TriangleFault fault;
};

void PrintTo(const FailedCase& c, std::ostream* os) { *os << c.name; }

class SolverFailsTest : public testing::TestWithParam<FailedCase> {};

TEST_P(SolverFailsTest, WritesNothingAndNamesTheError) {
  const SolveOutcome outcome = Solve(GetParam().typed);
  EXPECT_EQ(outcome.status, SolveStatus::Failed);
  EXPECT_EQ(outcome.error, GetParam().error);
  EXPECT_EQ(outcome.fault, GetParam().fault);
  for (const std::string& text : outcome.texts) EXPECT_TRUE(text.empty());
}

INSTANTIATE_TEST_SUITE_P(ImpossibleTriangles, SolverFailsTest,
                         testing::Values(FailedCase{"LegLongerThanHypotenuse",
                                                    {1, "5", "3"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::LegNotShorterThanHypotenuse},
                                         FailedCase{"OtherLegLongerThanHypotenuse",
                                                    {5, "5", "3"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::LegNotShorterThanHypotenuse},
                                         FailedCase{"AltitudeEqualToLeg",
                                                    {2, "3", "3"},
                                                    RuntimeError::DivisionByZero,
                                                    TriangleFault::AltitudeNotShorterThanLeg},
                                         FailedCase{"AltitudeLongerThanLeg",
                                                    {2, "3", "4"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::AltitudeNotShorterThanLeg},
                                         FailedCase{"AltitudeEqualToOtherLeg",
                                                    {6, "3", "3"},
                                                    RuntimeError::DivisionByZero,
                                                    TriangleFault::AltitudeNotShorterThanLeg},
                                         FailedCase{"AltitudeTinyAgainstLeg",
                                                    {2, "12.9", "1e-8"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::None},
                                         FailedCase{"ProjectionLongerThanLeg",
                                                    {3, "3", "4"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::ProjectionLongerThanLeg},
                                         FailedCase{"LegTinyAgainstProjection",
                                                    {4, "0.0001", "1.3"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::None},
                                         FailedCase{"ProjectionLongerThanOtherLeg",
                                                    {8, "3", "4"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::ProjectionLongerThanLeg},
                                         // Equal as typed, but the single-precision b1 exceeds b.
                                         FailedCase{"ProjectionEqualToLegAsTyped",
                                                    {8, "3.2", "3.2"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::None},
                                         FailedCase{"AltitudeAboveHalfHypotenuse",
                                                    {9, "5", "2.6"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::AltitudeAboveHalfHypotenuse},
                                         FailedCase{"ProjectionLongerThanHypotenuse",
                                                    {10, "5", "6"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::ProjectionLongerThanHypotenuse},
                                         FailedCase{"OtherProjectionLongerThanHypotenuse",
                                                    {11, "5", "6"},
                                                    RuntimeError::InvalidOperation,
                                                    TriangleFault::ProjectionLongerThanHypotenuse},
                                         FailedCase{"GivenB1RoundsToZero",
                                                    {13, "1", "1e-50"},
                                                    RuntimeError::DivisionByZero,
                                                    TriangleFault::None}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, SolverFailsTest,
    testing::Values(
        FailedCase{"TypedBeyondDouble", {0, "1e309", "1"}, RuntimeError::Overflow, TriangleFault::None},
        FailedCase{"SquareBeyondDouble", {0, "1e155", "1"}, RuntimeError::Overflow, TriangleFault::None},
        FailedCase{"ComputedB1BeyondSingle", {0, "1", "1e39"}, RuntimeError::Overflow, TriangleFault::None},
        FailedCase{"GivenB1BeyondSingle", {14, "1", "1e39"}, RuntimeError::Overflow, TriangleFault::None},
        FailedCase{"GivenB1BeyondSingleWithHypotenuse",
                   {11, "1e40", "1e39"},
                   RuntimeError::Overflow,
                   TriangleFault::None},
        FailedCase{
            "SquareOfGivenB1BeyondSingle", {8, "1e30", "2e19"}, RuntimeError::Overflow, TriangleFault::None},
        FailedCase{"SquareOfGivenB1BeyondSingleWithA",
                   {4, "1", "2e19"},
                   RuntimeError::Overflow,
                   TriangleFault::None},
        FailedCase{"ComputedB1BeyondSingleFromAltitude",
                   {6, "1e39", "1"},
                   RuntimeError::Overflow,
                   TriangleFault::None}),
    [](const auto& info) { return info.param.name; });

struct UnchangedCase {
  const char* name;
  Typed typed;
};

void PrintTo(const UnchangedCase& c, std::ostream* os) { *os << c.name; }

class SolverStopsTest : public testing::TestWithParam<UnchangedCase> {};

TEST_P(SolverStopsTest, WritesNothing) {
  const SolveOutcome outcome = Solve(GetParam().typed);
  EXPECT_EQ(outcome.status, SolveStatus::Unchanged);
  for (const std::string& text : outcome.texts) EXPECT_TRUE(text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    NotAPositiveNumber, SolverStopsTest,
    testing::Values(UnchangedCase{"EmptyFirst", {0, "", "4"}}, UnchangedCase{"EmptySecond", {0, "3", ""}},
                    UnchangedCase{"Zero", {0, "0", "4"}}, UnchangedCase{"Negative", {9, "5", "-2"}},
                    UnchangedCase{"Letters", {0, "abc", "4"}}, UnchangedCase{"LeadingComma", {0, ",5", "4"}},
                    UnchangedCase{"TooSmallForADouble", {0, "1e-400", "4"}},
                    // Validation comes before the computation that would fail.
                    UnchangedCase{"InvalidBeforeImpossible", {1, "-5", "3"}}),
    [](const auto& info) { return info.param.name; });

TEST(SolverValidation, LooksOnlyAtTheNumbersOfTickedBoxes) {
  SolverInput input;
  input.listIndex = 0;
  input.checks = {1, 1, 0, 0, 0, 0};
  input.texts = {"3", "4", "abc", "-2", "1e999", ""};
  const SolveOutcome outcome = SolveTriangle(input, PosixSettings());
  ASSERT_EQ(outcome.status, SolveStatus::Written);
  EXPECT_EQ(outcome.texts, k345);
}

TEST(SolverValidation, ATickedBoxOutsideThePairStillStopsTheRun) {
  SolverInput input;
  input.listIndex = 0;
  input.checks = {1, 1, 0, 0, 0, 1};
  input.texts = {"3", "4", "", "", "", "0"};
  EXPECT_EQ(SolveTriangle(input, PosixSettings()).status, SolveStatus::Unchanged);
}

TEST(SolverValidation, OnlyACheckValueOfOneCountsAsTicked) {
  SolverInput input;
  input.listIndex = 0;
  input.checks = {1, 1, 2, -1, 0, 0};
  input.texts = {"3", "4", "0", "-7", "", ""};
  EXPECT_EQ(SolveTriangle(input, PosixSettings()).status, SolveStatus::Written);
}

TEST(SolverNoRow, AListIndexOutsideTheTableWritesSixZeros) {
  for (int index : {-1, 15, 32767}) {
    SolverInput input;
    input.listIndex = index;
    const SolveOutcome outcome = SolveTriangle(input, PosixSettings());
    ASSERT_EQ(outcome.status, SolveStatus::Written) << index;
    EXPECT_EQ(outcome.texts,
              Texts({"0.0000000", "0.0000000", "0.0000000", "0.0000000", "0.0000000", "0.0000000"}));
  }
}

TEST(SolverNoRow, ValidationStillRunsWithoutARow) {
  SolverInput input;
  input.listIndex = -1;
  input.checks = {1, 0, 0, 0, 0, 0};
  EXPECT_EQ(SolveTriangle(input, PosixSettings()).status, SolveStatus::Unchanged);
}

TEST(SolverRegional, WritesWithTheRegionalSeparators) {
  const SolveOutcome bulgarian = Solve({0, "3", "4"}, BulgarianSettings());
  EXPECT_EQ(bulgarian.texts,
            Texts({"3,0000000", "4,0000000", "5,0000000", "2,4000000", "1,8000000", "3,2000000"}));
  const SolveOutcome english = Solve({0, "1234.5", "2000"}, EnglishUsSettings());
  EXPECT_EQ(english.texts[0], "1,234.5000000");
  EXPECT_EQ(english.texts[1], "2,000.0000000");
}

// Pressing Calculate again reads back what the first press wrote; with a
// decimal comma or digit grouping this must not change the given values.
struct RoundTripCase {
  const char* name;
  RegionalSettings settings;
  Typed typed;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class SolverRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(SolverRoundTripTest, SecondCalculateWritesTheSameTexts) {
  const auto& [name, settings, typed] = GetParam();
  const SolveOutcome first = Solve(typed, settings);
  ASSERT_EQ(first.status, SolveStatus::Written);
  const auto pair = *PairOfListIndex(typed.listIndex);
  const SolveOutcome second = Solve({typed.listIndex, first.texts[static_cast<std::size_t>(pair.first)],
                                     first.texts[static_cast<std::size_t>(pair.second)]},
                                    settings);
  ASSERT_EQ(second.status, SolveStatus::Written);
  EXPECT_EQ(second.texts, first.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Regional, SolverRoundTripTest,
    testing::Values(RoundTripCase{"Posix", PosixSettings(), {0, "2.5", "1234.5"}},
                    RoundTripCase{"EnglishGrouped", EnglishUsSettings(), {0, "2.5", "1234.5"}},
                    RoundTripCase{"EnglishMillions", EnglishUsSettings(), {9, "1234567.5", "2.5"}},
                    RoundTripCase{"BulgarianComma", BulgarianSettings(), {0, "2.5", "1234.5"}},
                    RoundTripCase{"BulgarianGrouped", BulgarianSettings(), {14, "12345.5", "2.5"}},
                    RoundTripCase{"BulgarianTypedWithComma", BulgarianSettings(), {5, "3,5", "7,25"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rt
