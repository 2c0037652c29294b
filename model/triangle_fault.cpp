#include "model/triangle_fault.h"

#include <cmath>

#include "model/given_pair.h"
#include "model/triangle_rows.h"

namespace rt {
namespace {

// The two given values in double precision, as read (b1 not yet single).
struct GivenValues {
  std::array<double, kQuantityCount> lengths{};

  double Length(Quantity q) const { return lengths[static_cast<std::size_t>(q)]; }
  static double Number(int n) { return n; }
  static double Add(double x, double y) { return x + y; }
  static double Sub(double x, double y) { return x - y; }
  static double Mul(double x, double y) { return x * y; }
  static double Div(double x, double y) { return x / y; }
  static double Negate(double x) { return -x; }
  static double Sqrt(double x) { return std::sqrt(x); }
  static double SingleSquare(double x) { return x * x; }
};

}  // namespace

TriangleFault FindTriangleFault(int listIndex, double first, double second) {
  const auto pair = PairOfListIndex(listIndex);
  if (!pair) return TriangleFault::None;
  const TriangleCondition& condition = RowOf(listIndex).condition;
  using E = TriangleCondition::AtEquality;
  if (condition.atEquality == E::NoCondition) return TriangleFault::None;
  GivenValues given;
  given.lengths[static_cast<std::size_t>(pair->first)] = first;
  given.lengths[static_cast<std::size_t>(pair->second)] = second;
  const double lower = EvaluateFormula(condition.lower, given);
  const double upper = EvaluateFormula(condition.upper, given);
  const bool broken = lower > upper || (lower == upper && condition.atEquality == E::Fails);
  return broken ? condition.fault : TriangleFault::None;
}

TriangleFault FaultAtBoundary(int listIndex) {
  if (!PairOfListIndex(listIndex)) return TriangleFault::None;
  const TriangleCondition& condition = RowOf(listIndex).condition;
  return condition.atEquality == TriangleCondition::AtEquality::Segment ? condition.fault
                                                                        : TriangleFault::None;
}

}  // namespace rt
