#pragma once

#include <functional>
#include <optional>

#include "model/formula.h"
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

// A formula of the solver evaluated in exact decimal arithmetic with the
// lengths that `length` gives, as a student's calculator would with
// unlimited digits: no single precision, no rounding but the quotients' and
// roots' 40 significant digits.
FormulaValue EvaluateExactly(const Formula& formula, const std::function<ExactDecimal(Quantity)>& length);

}  // namespace rt
