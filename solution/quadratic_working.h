#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/quantity.h"
#include "runtime/regional_settings.h"
#include "solution/exact_decimal.h"
#include "solution/math_text.h"

namespace rt {

// The quadratic equation of the rows a,b1, b,a1 and c,hc with the numbers
// as typed ("a1² + 3,2·a1 − 9 = 0"), its discriminant, its roots and which
// root is the length. Where the step fails (`fails`), no roots are given;
// a negative discriminant is named. Empty for the other rows.
std::vector<MathText> QuadraticWorking(int listIndex,
                                       const std::array<std::optional<ExactDecimal>, kQuantityCount>& typed,
                                       bool fails, const RegionalSettings& settings);

}  // namespace rt
