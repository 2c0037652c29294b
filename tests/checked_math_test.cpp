#include "runtime/checked_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace rt {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kSingleMax = std::numeric_limits<float>::max();

struct MathCase {
  const char* name;
  std::function<void(CheckedMath&)> operation;
  RuntimeError expected;
};

void PrintTo(const MathCase& c, std::ostream* os) { *os << c.name; }

class CheckedMathTest : public testing::TestWithParam<MathCase> {};

TEST_P(CheckedMathTest, RaisesTheRightError) {
  CheckedMath math;
  GetParam().operation(math);
  EXPECT_EQ(math.error(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CheckedMathTest,
    testing::Values(
        MathCase{"SqrtOfNegative", [](CheckedMath& m) { m.Sqrt(-1e-300); }, RuntimeError::InvalidOperation},
        MathCase{"SqrtOfNegativeZeroIsFine", [](CheckedMath& m) { m.Sqrt(-0.0); }, RuntimeError::None},
        MathCase{"DivisionByZero", [](CheckedMath& m) { m.Div(1, 0); }, RuntimeError::DivisionByZero},
        MathCase{"ZeroByZero", [](CheckedMath& m) { m.Div(0, 0); }, RuntimeError::DivisionByZero},
        MathCase{"ProductOverflows", [](CheckedMath& m) { m.Mul(1e200, 1e200); }, RuntimeError::Overflow},
        MathCase{"SumOverflows", [](CheckedMath& m) { m.Add(kMax, kMax); }, RuntimeError::Overflow},
        MathCase{"DifferenceOverflows", [](CheckedMath& m) { m.Sub(-kMax, kMax); }, RuntimeError::Overflow},
        MathCase{"QuotientOverflows", [](CheckedMath& m) { m.Div(1e300, 1e-300); }, RuntimeError::Overflow},
        MathCase{"UnderflowIsFine", [](CheckedMath& m) { m.Mul(1e-300, 1e-300); }, RuntimeError::None},
        MathCase{"SingleOverflows", [](CheckedMath& m) { m.ToSingle(1e39); }, RuntimeError::Overflow},
        MathCase{"NegativeSingleOverflows", [](CheckedMath& m) { m.ToSingle(-1e39); },
                 RuntimeError::Overflow},
        MathCase{"SingleAtHalfUlpOverflows", [](CheckedMath& m) { m.ToSingle(kSingleMax + 0x1p103); },
                 RuntimeError::Overflow},
        MathCase{"SingleBelowHalfUlpIsFine", [](CheckedMath& m) { m.ToSingle(kSingleMax + 0x1p102); },
                 RuntimeError::None},
        MathCase{"SingleSquareOverflows", [](CheckedMath& m) { m.SingleSquare(2e19f); },
                 RuntimeError::Overflow},
        MathCase{"FirstErrorSticks",
                 [](CheckedMath& m) {
                   m.Div(1, 0);
                   m.Sqrt(-1);
                   m.Mul(1e200, 1e200);
                 },
                 RuntimeError::DivisionByZero}),
    [](const auto& info) { return info.param.name; });

// A failing operation gives 0, so that the steps after it stay finite; the
// operations after an error compute as usual, and the first error stays.
TEST(CheckedMathValues, AFailedOperationGivesZeroAndLaterOnesStillCompute) {
  CheckedMath math;
  EXPECT_EQ(math.Sqrt(-4), 0.0);
  EXPECT_EQ(math.Div(1, 0), 0.0);
  EXPECT_EQ(math.Mul(1e200, 1e200), 0.0);
  EXPECT_EQ(math.Add(kMax, kMax), 0.0);
  EXPECT_EQ(math.Sub(-kMax, kMax), 0.0);
  EXPECT_EQ(math.Div(1e300, 1e-300), 0.0);
  EXPECT_EQ(math.ToSingle(1e39), 0.0f);
  EXPECT_EQ(math.SingleSquare(2e19f), 0.0f);
  EXPECT_EQ(math.Add(1, 2), 3.0);
  EXPECT_EQ(math.Sub(1, 2), -1.0);
  EXPECT_EQ(math.Mul(3, 4), 12.0);
  EXPECT_EQ(math.Div(1, 4), 0.25);
  EXPECT_EQ(math.Sqrt(2.25), 1.5);
  EXPECT_EQ(math.ToSingle(0.1), 0.1f);
  EXPECT_EQ(math.error(), RuntimeError::InvalidOperation);
  EXPECT_TRUE(math.failed());
}

TEST(CheckedMathValues, SingleJustAboveTheRangeRoundsToTheLargestSingle) {
  CheckedMath math;
  EXPECT_EQ(math.ToSingle(kSingleMax + 0x1p102), std::numeric_limits<float>::max());
  EXPECT_EQ(math.ToSingle(-(kSingleMax + 0x1p102)), -std::numeric_limits<float>::max());
}

TEST(CheckedMathValues, SingleSquareRoundsTheExactProduct) {
  CheckedMath math;
  // 3.2f squared is 10.2400003051757835... exactly; its nearest single is
  // 10.24000072479248046875.
  EXPECT_EQ(static_cast<double>(math.SingleSquare(3.2f)), 10.24000072479248046875);
  EXPECT_FALSE(math.failed());
}

}  // namespace
}  // namespace rt
