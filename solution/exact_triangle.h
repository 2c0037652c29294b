#pragma once

#include <array>
#include <optional>

#include "model/quantity.h"
#include "solution/exact_decimal.h"

namespace rt {

// Whether the row's two given values describe a triangle, in exact
// arithmetic: its condition holds (a < c for a,c; hc ≤ c/2 for c,hc), and
// not with the equality that makes a segment.
bool DescribesTriangle(int listIndex, const ExactDecimal& first, const ExactDecimal& second);

// The six lengths of that triangle from the row's own formulas, computed
// exactly: no length is held in single precision, and only quotients and
// roots are cut, after 40 significant digits. nullopt where the values
// give no triangle.
std::optional<std::array<ExactDecimal, kQuantityCount>> ExactTriangle(int listIndex,
                                                                      const ExactDecimal& first,
                                                                      const ExactDecimal& second);

}  // namespace rt
