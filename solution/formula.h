#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "model/quantity.h"
#include "solution/exact_decimal.h"

namespace rt {

// Why a formula has no value.
enum class FormulaFault {
  None,
  NegativeRadicand,  // a square root of a negative number
  DivisionByZero,
};

struct FormulaValue {
  std::optional<ExactDecimal> value;  // empty when `fault` says why not
  FormulaFault fault = FormulaFault::None;
};

// The right-hand side of a recipe formula in school notation ("hc = a·b/c",
// "a1 = (−b1 + √(b1² + 4·a²))/2"), evaluated exactly with the lengths that
// `length` gives. The notation has +, − (U+2212), · (U+00B7), /, √ before a
// bracket or a symbol, ² after an operand, brackets, whole numbers and the
// six symbols.
FormulaValue EvaluateFormula(std::string_view formula, const std::function<ExactDecimal(Quantity)>& length);

// The lengths that the right-hand side names, each once, in order.
std::vector<Quantity> OperandsOf(std::string_view formula);

}  // namespace rt
