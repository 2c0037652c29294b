#include "model/triangle_rows.h"

#include <gtest/gtest.h>

#include <string>

#include "model/triangle_fault.h"
#include "solution/exact_formula.h"
#include "solution/formula_text.h"

namespace rt {
namespace {

// The formula lines of every row, as a student reads them: written by hand,
// so that a step whose expression changes shows here.
TEST(TriangleRowsTest, EveryStepReadsAsTheSchoolFormula) {
  const std::array<std::array<std::string_view, 4>, kGivenPairCount> expected = {{
      {"c = √(a² + b²)", "hc = a·b/c", "a1 = a²/c", "b1 = b²/c"},
      {"b = √(c² − a²)", "hc = a·b/c", "a1 = a²/c", "b1 = b²/c"},
      {"a1 = √(a² − hc²)", "c = a²/a1", "b1 = c − a1", "b = √(c² − a²)"},
      {"hc = √(a² − a1²)", "b1 = hc²/a1", "c = a1 + b1", "b = √(c² − a²)"},
      {"a1 = (−b1 + √(b1² + 4·a²))/2", "c = a1 + b1", "b = √(c·b1)", "hc = √(a1·b1)"},
      {"a = √(c² − b²)", "hc = a·b/c", "a1 = a²/c", "b1 = b²/c"},
      {"b1 = √(b² − hc²)", "a1 = hc²/b1", "c = a1 + b1", "a = √(c·a1)"},
      {"b1 = (−a1 + √(a1² + 4·b²))/2", "c = a1 + b1", "a = √(c·a1)", "hc = √(a1·b1)"},
      {"hc = √(b² − b1²)", "a1 = hc²/b1", "c = a1 + b1", "a = √(c·a1)"},
      {"b1 = (c + √(c² − 4·hc²))/2", "a1 = hc²/b1", "a = √(c·a1)", "b = √(c·b1)"},
      {"b1 = c − a1", "a = √(c·a1)", "b = √(c·b1)", "hc = √(a1·b1)"},
      {"a1 = c − b1", "a = √(c·a1)", "b = √(c·b1)", "hc = √(a1·b1)"},
      {"b1 = hc²/a1", "c = a1 + b1", "a = √(c·a1)", "b = √(c·b1)"},
      {"a1 = hc²/b1", "c = a1 + b1", "a = √(c·a1)", "b = √(c·b1)"},
      {"hc = √(a1·b1)", "c = a1 + b1", "a = √(c·a1)", "b = √(c·b1)"},
  }};
  for (int k = 0; k < kGivenPairCount; ++k) {
    for (std::size_t n = 0; n < 4; ++n) {
      const RowStep& step = RowOf(k).steps.at(n);
      EXPECT_EQ(FormulaText(step.quantity, step.formula), expected.at(static_cast<std::size_t>(k)).at(n))
          << kGivenPairs.at(static_cast<std::size_t>(k)).listText << " step " << n;
    }
  }
}

// Every row, evaluated exactly from two lengths of a known triangle, gives
// the other four exactly.
TEST(TriangleRowsTest, EveryRowGivesTheTriangleExactly) {
  struct Triangle {
    std::array<std::string_view, kQuantityCount> lengths;  // a, b, c, hc, a1, b1
  };
  const Triangle triangles[] = {
      {{"3", "4", "5", "2.4", "1.8", "3.2"}},
      {{"20", "15", "25", "12", "16", "9"}},  // b < a: c,hc alone must not find it
      {{"5", "12", "13", "4.6153846153846153846153846153846153846153",
        "1.923076923076923076923076923076923076923", "11.07692307692307692307692307692307692307"}},
  };
  for (const Triangle& triangle : triangles) {
    for (int k = 0; k < kGivenPairCount; ++k) {
      const GivenPair& pair = kGivenPairs.at(static_cast<std::size_t>(k));
      std::array<std::optional<ExactDecimal>, kQuantityCount> values{};
      for (const Quantity q : {pair.first, pair.second}) {
        values.at(static_cast<std::size_t>(q)) =
            ExactDecimal::Parse(triangle.lengths.at(static_cast<std::size_t>(q)));
      }
      for (const RowStep& step : RowOf(k).steps) {
        const FormulaValue value = EvaluateExactly(
            step.formula, [&values](Quantity q) { return values.at(static_cast<std::size_t>(q)).value(); });
        ASSERT_TRUE(value) << pair.listText;
        values.at(static_cast<std::size_t>(step.quantity)) = value;
      }
      // c,hc takes the larger projection as b1: with b < a it finds the mirror.
      const bool mirrored = k == 9 && triangle.lengths[0] == "20";
      for (int q = 0; q < kQuantityCount; ++q) {
        const int shown = mirrored ? std::array{1, 0, 2, 3, 5, 4}.at(static_cast<std::size_t>(q)) : q;
        const auto expected = ExactDecimal::Parse(triangle.lengths.at(static_cast<std::size_t>(shown)));
        const ExactDecimal got = values.at(static_cast<std::size_t>(q)).value();
        EXPECT_EQ(got.RoundedToSignificant(30), expected->RoundedToSignificant(30))
            << pair.listText << " " << SymbolOf(static_cast<Quantity>(q)) << " = " << got.PlainDigits();
      }
    }
  }
  const std::array<int, kGivenPairCount> mirrors = {0, 1, 2, 3, 4, 1, 2, 4, 3, 9, 10, 10, 12, 12, 14};
  for (int k = 0; k < kGivenPairCount; ++k)
    EXPECT_EQ(MirrorRowOf(k), mirrors.at(static_cast<std::size_t>(k))) << k;
}

// The condition for a triangle, at and beyond each row's boundary.
TEST(TriangleRowsTest, ConditionsNameTheBrokenRelation) {
  struct Case {
    int row;
    double first, second;
    TriangleFault fault;     // FindTriangleFault
    TriangleFault boundary;  // FaultAtBoundary
  };
  using F = TriangleFault;
  const Case cases[] = {
      {0, 5, 500, F::None, F::None},
      {1, 5, 3, F::LegNotShorterThanHypotenuse, F::LegNotShorterThanHypotenuse},
      {1, 3, 3, F::None, F::LegNotShorterThanHypotenuse},  // a segment
      {1, 3, 5, F::None, F::LegNotShorterThanHypotenuse},
      {2, 3, 3, F::AltitudeNotShorterThanLeg, F::None},  // divides by a1 = 0
      {2, 3, 2.9, F::None, F::None},
      {3, 3, 3.5, F::ProjectionLongerThanLeg, F::ProjectionLongerThanLeg},
      {3, 3, 3, F::None, F::ProjectionLongerThanLeg},
      {5, 5, 3, F::LegNotShorterThanHypotenuse, F::LegNotShorterThanHypotenuse},
      {6, 3, 3, F::AltitudeNotShorterThanLeg, F::None},
      {8, 3, 3.1, F::ProjectionLongerThanLeg, F::ProjectionLongerThanLeg},
      {9, 10, 5.1, F::AltitudeAboveHalfHypotenuse, F::None},
      {9, 10, 5, F::None, F::None},  // isosceles
      {10, 5, 6, F::ProjectionLongerThanHypotenuse, F::ProjectionLongerThanHypotenuse},
      {11, 5, 5.5, F::ProjectionLongerThanHypotenuse, F::ProjectionLongerThanHypotenuse},
      {11, 5, 5, F::None, F::ProjectionLongerThanHypotenuse},
      {12, 1, 1000, F::None, F::None},
      {14, 1, 1000, F::None, F::None},
      {-1, 1, 2, F::None, F::None},
      {15, 1, 2, F::None, F::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindTriangleFault(c.row, c.first, c.second), c.fault)
        << c.row << " " << c.first << " " << c.second;
    EXPECT_EQ(FaultAtBoundary(c.row), c.boundary) << c.row;
  }
}

}  // namespace
}  // namespace rt
