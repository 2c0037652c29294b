#include "solution/exact_triangle.h"

#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "solution/exact_formula.h"

namespace rt {
namespace {

using Lengths = std::array<std::optional<ExactDecimal>, kQuantityCount>;

std::optional<ExactDecimal> Evaluate(const Formula& formula, const Lengths& lengths) {
  return EvaluateExactly(formula, [&lengths](Quantity q) {
    return lengths[static_cast<std::size_t>(q)].value_or(ExactDecimal());
  });
}

std::optional<Lengths> GivenLengths(int listIndex, const ExactDecimal& first, const ExactDecimal& second) {
  const auto pair = PairOfListIndex(listIndex);
  if (!pair || first.IsNegative() || first.IsZero() || second.IsNegative() || second.IsZero())
    return std::nullopt;
  Lengths lengths{};
  lengths[static_cast<std::size_t>(pair->first)] = first;
  lengths[static_cast<std::size_t>(pair->second)] = second;
  return lengths;
}

bool MeetsCondition(int listIndex, const Lengths& given) {
  const TriangleCondition& condition = RowOf(listIndex).condition;
  using E = TriangleCondition::AtEquality;
  if (condition.atEquality == E::NoCondition) return true;
  const auto lower = Evaluate(condition.lower, given);
  const auto upper = Evaluate(condition.upper, given);
  if (!lower || !upper) return false;
  const int order = Compare(*lower, *upper);
  return order < 0 || (order == 0 && condition.atEquality == E::Triangle);
}

}  // namespace

bool DescribesTriangle(int listIndex, const ExactDecimal& first, const ExactDecimal& second) {
  const auto given = GivenLengths(listIndex, first, second);
  return given && MeetsCondition(listIndex, *given);
}

std::optional<std::array<ExactDecimal, kQuantityCount>> ExactTriangle(int listIndex,
                                                                      const ExactDecimal& first,
                                                                      const ExactDecimal& second) {
  auto lengths = GivenLengths(listIndex, first, second);
  if (!lengths || !MeetsCondition(listIndex, *lengths)) return std::nullopt;
  for (const RowStep& step : RowOf(listIndex).steps) {
    auto value = Evaluate(step.formula, *lengths);
    // Where the condition holds, every step has a positive value.
    if (!value) return std::nullopt;
    (*lengths)[static_cast<std::size_t>(step.quantity)] = std::move(value);
  }
  std::array<ExactDecimal, kQuantityCount> triangle;
  for (std::size_t i = 0; i < kQuantityCount; ++i) triangle[i] = *(*lengths)[i];
  return triangle;
}

}  // namespace rt
