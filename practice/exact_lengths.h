#pragma once

#include <array>
#include <optional>

#include "model/quantity.h"

namespace rt {

// The six lengths of the triangle that the row `listIndex` and its two given
// values describe, from the row's formulas in exact arithmetic, each the
// double nearest to it; no length is held in single precision as the
// window's solver holds b1: the lengths an answer is checked against. For
// c,hc the larger projection is b1, as the solver takes it. nullopt when the
// values give no triangle (or a segment).
std::optional<std::array<double, kQuantityCount>> ExactLengths(int listIndex, double first, double second);

// Whether a length computed in double precision is a whole number, to
// within a few units of its last places.
bool IsWholeLength(double length);

}  // namespace rt
