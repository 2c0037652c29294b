#pragma once

#include <string>
#include <string_view>

#include "runtime/regional_settings.h"
#include "solution/exact_decimal.h"

namespace rt {

// Numbers in a worked solution: the regional decimal sign and grouping, and
// "−" (U+2212) as the minus sign, whatever the regional one is.

// The value rounded to `decimals` digits after the decimal sign, all shown
// ("2,4000000" for 2.4 and 7).
std::string SolutionNumber(const ExactDecimal& value, int decimals, const RegionalSettings& settings);

// The value with just its own digits ("3,2", "25", "0,000000006"); very
// large and very small values as "1,5·10²⁵".
std::string ShortSolutionNumber(const ExactDecimal& value, const RegionalSettings& settings);

// A box text with the solution's minus sign.
std::string SolutionBoxText(const std::string& text, const RegionalSettings& settings);

// The exact value of a text that the boxes hold ("1 234,5000000" in bg_BG).
ExactDecimal ValueOfBoxText(std::string_view text, const RegionalSettings& settings);

}  // namespace rt
