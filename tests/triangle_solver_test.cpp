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

// Large and lopsided triangles, where the order of the operations of each
// recipe shows in the seventh decimal (a*b/c and a*(b/c) differ there). The
// texts come from tests/oracle/seventh_decimal.py, which works them out
// apart from this code and keeps only inputs that tell the recipe from
// plausible variants of it (another order of the same operations, b1 kept in
// double, another relation); every input is one a student can type.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SeventhDecimal, SolverWritesTest,
    testing::Values(
        WrittenCase{"a_b_0", {0, "5849272", "47937.4"}, {"5849272.0000000", "47937.4000000", "5849468.4309177", "47935.7902148", "5849075.5756786", "392.8552000"}},
        WrittenCase{"a_b_1", {0, "1852513", "1856455"}, {"1852513.0000000", "1856455.0000000", "2622637.9052767", "1311315.9900937", "1308531.5392812", "1314106.0000000"}},
        WrittenCase{"a_b_2", {0, "9660076", "8.427"}, {"9660076.0000000", "8.4270000", "9660076.0000037", "8.4270000", "9660075.9999963", "0.0000074"}},
        // a_c: no typed pair tells apart the recipe variants ['b1']
        WrittenCase{"a_c_0", {1, "2880384", "2880608"}, {"2880384.0000000", "35923.0038833", "2880608.0000000", "35920.2104616", "2880160.0174186", "447.9826000"}},
        WrittenCase{"a_c_1", {1, "5438106", "5441657"}, {"5438106.0000000", "196555.4334355", "5441657.0000000", "196427.1694996", "5434557.3172355", "7099.6830000"}},
        WrittenCase{"a_c_2", {1, "73649.7", "8315561"}, {"73649.7000000", "8315234.8413266", "8315561.0000000", "73646.8112606", "652.3045541", "8314908.0000000"}},
        WrittenCase{"a_hc_0", {2, "6199236", "451.55"}, {"6199236.0000000", "451.5500042", "6199236.0164454", "451.5500000", "6199235.9835546", "0.0328907"}},
        WrittenCase{"a_hc_1", {2, "56613.9", "483.49"}, {"56613.9000000", "483.5076323", "56615.9646464", "483.4900000", "56611.8354289", "4.1292180"}},
        WrittenCase{"a_hc_2", {2, "5187584", "48935.5"}, {"5187584.0000000", "48937.6774130", "5187814.8245024", "48935.5000000", "5187353.1857678", "461.6387000"}},
        WrittenCase{"a_hc_3", {2, "82408.2", "7.786"}, {"82408.2000000", "7.7859999", "82408.2003678", "7.7860000", "82408.1996322", "0.0007356"}},
        WrittenCase{"a_a1_0", {3, "5576186", "5572265"}, {"5576186.0000000", "209223.8489902", "5580109.7592773", "209076.7236471", "5572265.0000000", "7844.7590000"}},
        WrittenCase{"a_a1_1", {3, "65852.2", "3.461"}, {"65852.2000000", "1252965121.7305000", "1252965123.4610000", "65852.1999090", "3.4610000", "1252965000.0000000"}},
        WrittenCase{"a_b1_0", {4, "7054519", "7055988"}, {"7054519.0000000", "8974838.9151321", "11415514.5321349", "5546238.9865949", "4359526.5321349", "7055988.0000000"}},
        WrittenCase{"b_c_0", {5, "274.57", "4498039"}, {"4498038.9916198", "274.5700000", "4498039.0000000", "274.5699995", "4498038.9832397", "0.0167604"}},
        WrittenCase{"b_c_1", {5, "742.67", "8501023"}, {"8501022.9675593", "742.6700000", "8501023.0000000", "742.6699972", "8501022.9351186", "0.0648815"}},
        WrittenCase{"b_c_2", {5, "772324", "7664772"}, {"7625761.9587165", "772324.0000000", "7664772.0000000", "768393.2384426", "7586950.4599756", "77821.5400000"}},
        WrittenCase{"b_c_3", {5, "98175.6", "4162307"}, {"4161149.0136516", "98175.6000000", "4162307.0000000", "98148.2867805", "4159991.3494641", "2315.6510000"}},
        WrittenCase{"b_hc_0", {6, "7108675", "7106138"}, {"266006023.7390480", "7108675.0000000", "266100991.9668040", "7106138.0000000", "265911089.4043040", "189902.6000000"}},
        WrittenCase{"b_hc_1", {6, "3265699", "3265360"}, {"226629049.2473040", "3265699.0000000", "226652577.2028530", "3265360.0000000", "226605523.7341030", "47053.4700000"}},
        WrittenCase{"b_a1_0", {7, "296520", "7244224"}, {"7250279.9018511", "296520.0000000", "7256340.8662109", "296272.3291333", "7244224.0000000", "12116.8700000"}},
        WrittenCase{"b_b1_0", {8, "8444419", "8440715"}, {"250189.2573221", "8444419.0000000", "8448124.2972921", "250079.5209388", "7409.2972921", "8440715.0000000"}},
        WrittenCase{"b_b1_1", {8, "35231.5", "2.486"}, {"499299500.6778270", "35231.5000000", "499299501.9208280", "35231.4999123", "499299499.4348270", "2.4860000"}},
        WrittenCase{"c_hc_0", {9, "3741406", "0.205"}, {"0.2050000", "3741406.0000000", "3741406.0000000", "0.2050000", "0.0000000", "3741406.0000000"}},
        WrittenCase{"c_hc_1", {9, "97438.2", "389.69"}, {"389.6931183", "97437.4203094", "97438.2000000", "389.6900000", "1.5585338", "97436.6400000"}},
        WrittenCase{"c_a1_0", {10, "9518702", "9516247"}, {"9517474.4208426", "152867.3065439", "9518702.0000000", "152847.5920157", "9516247.0000000", "2455.0000000"}},
        WrittenCase{"c_a1_1", {10, "9377.06", "246.12"}, {"1519.1714871", "9253.1819536", "9377.0600000", "1499.1020841", "246.1200000", "9130.9400000"}},
        WrittenCase{"c_a1_2", {10, "8240823", "8237157"}, {"8238989.7960983", "173812.7070096", "8240823.0000000", "173774.0416806", "8237157.0000000", "3666.0000000"}},
        WrittenCase{"c_a1_3", {10, "8357454", "36567"}, {"552817.3481522", "8339150.4568330", "8357454.0000000", "551606.6306064", "36567.0000000", "8320887.0000000"}},
        WrittenCase{"c_b1_0", {11, "9329490", "8.989"}, {"9329485.5054988", "9157.6628350", "9329490.0000000", "9157.6584233", "9329481.0109997", "8.9890000"}},
        WrittenCase{"c_b1_1", {11, "6208554", "4.766"}, {"6208551.6169997", "5439.6660821", "6208554.0000000", "5439.6639942", "6208549.2340002", "4.7660000"}},
        WrittenCase{"c_b1_2", {11, "7080643", "7079062"}, {"105804.0480464", "7079852.4558684", "7080643.0000000", "105792.2351688", "1581.0000000", "7079062.0000000"}},
        // hc_a1: no typed pair tells apart the recipe variants ['b1']
        WrittenCase{"hc_a1_0", {12, "2.294", "83008.1"}, {"83008.1000317", "2.2940000", "83008.1000634", "2.2940000", "83008.1000000", "0.0000634"}},
        WrittenCase{"hc_a1_1", {12, "6800172", "6799791"}, {"9616626.0574124", "9617164.8727799", "13600344.0000000", "6800172.0000000", "6799791.0000000", "6800553.0000000"}},
        WrittenCase{"hc_b1_0", {13, "67435.7", "6.615"}, {"687463917.4175530", "67435.7003244", "687463920.7250530", "67435.7000000", "687463914.1100530", "6.6150000"}},
        WrittenCase{"hc_b1_1", {13, "5387789", "33147.3"}, {"875752142.4343990", "5387890.9651245", "875768716.2416180", "5387789.0000000", "875735568.9408360", "33147.3000000"}},
        WrittenCase{"hc_b1_2", {13, "8220542", "8224666"}, {"11622687.7057388", "11628518.4604626", "16441086.0678500", "8220542.0000000", "8216420.0678501", "8224666.0000000"}},
        WrittenCase{"a1_b1_0", {14, "4401286", "4.728"}, {"4401288.3639995", "4561.7215263", "4401290.7280002", "4561.7190762", "4401286.0000000", "4.7280000"}},
        WrittenCase{"a1_b1_1", {14, "6390125", "6389688"}, {"9036846.9361069", "9036537.9304435", "12779813.0000000", "6389906.4962643", "6390125.0000000", "6389688.0000000"}},
        WrittenCase{"a1_b1_2", {14, "2736739", "2739603"}, {"3871345.8549628", "3873371.0088534", "5476342.0000000", "2738170.6255486", "2736739.0000000", "2739603.0000000"}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

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
  const SolveOutcome german = Solve({0, "1234.5", "2000"}, test::GermanSettings());
  EXPECT_EQ(german.texts[0], "1.234,5000000");
  EXPECT_EQ(german.texts[1], "2.000,0000000");
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
                    RoundTripCase{"BulgarianTypedWithComma", BulgarianSettings(), {5, "3,5", "7,25"}},
                    RoundTripCase{"GermanGrouped", test::GermanSettings(), {0, "1234.5", "2.5"}},
                    RoundTripCase{"GermanMillions", test::GermanSettings(), {9, "1234567.5", "2.5"}},
                    RoundTripCase{"IndianLakh", test::IndianSettings(), {0, "123456", "100000"}},
                    RoundTripCase{"IndianCrores", test::IndianSettings(), {9, "123456789.5", "2.5"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace rt
