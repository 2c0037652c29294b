#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/quantity.h"
#include "runtime/regional_settings.h"
#include "solution/exact_decimal.h"
#include "solution/surd.h"

namespace rt {

// Longer exact forms help no student: the decimal says more.
inline constexpr int kMaxExactFormLength = 24;

// The school's exact form of the six lengths of the triangle that the row
// `listIndex` and the two given values describe, computed from the row's
// own formulas with no rounding at all: a rational ("2,4", "144/13"), or one
// or two terms, each a rational times √n with n square-free, the
// denominator rationalised and in lowest terms ("5√2", "2√5/5",
// "(√61 − 3)/2"). Empty where there is no such form within
// kMaxExactFormLength characters, and for all six where the values give no
// triangle (or a segment).
std::array<std::string, kQuantityCount> ExactForms(int listIndex, const ExactDecimal& first,
                                                   const ExactDecimal& second,
                                                   const RegionalSettings& settings);

// The same forms of lengths already computed as surds (SurdLengths), for a
// caller that needs both.
std::array<std::string, kQuantityCount> ExactFormsOfSurds(const std::array<SurdValue, kQuantityCount>& values,
                                                          const RegionalSettings& settings);

// Whether an exact form says more than a decimal: it holds a root or a
// fraction.
bool IsSurdOrFraction(const std::string& form);

}  // namespace rt
