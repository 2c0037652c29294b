#pragma once

#include <string>

#include "model/formula.h"
#include "model/quantity.h"

namespace rt {

// A step's formula in school notation, from the very expression that the
// solver computes: "a1 = (−b1 + √(b1² + 4·a²))/2". A length times itself is
// its square, brackets stand only where the order of operations needs them.
std::string FormulaText(Quantity quantity, const Formula& formula);

// The right-hand side alone: "c/2".
std::string ExpressionText(const Formula& formula);

}  // namespace rt
