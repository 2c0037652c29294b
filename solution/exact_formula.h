#pragma once

#include <functional>
#include <optional>

#include "model/formula.h"
#include "model/quantity.h"
#include "solution/exact_decimal.h"

namespace rt {

// A formula's value; none where it divides by zero or takes the root of a
// negative number.
using FormulaValue = std::optional<ExactDecimal>;

// A formula of the solver evaluated in exact decimal arithmetic with the
// lengths that `length` gives, as a student's calculator would with
// unlimited digits: no single precision, no rounding but the quotients' and
// roots' 40 significant digits.
FormulaValue EvaluateExactly(const Formula& formula, const std::function<ExactDecimal(Quantity)>& length);

}  // namespace rt
