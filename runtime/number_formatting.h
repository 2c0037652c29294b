#pragma once

#include <string>
#include <string_view>

#include "runtime/regional_settings.h"

namespace rt {

// Writes a length with exactly seven digits after the decimal separator, as
// the forms runtime's number formatting does: the value is first taken in its
// shortest decimal form of at most 15 significant digits (7 for a single),
// and that decimal form is rounded half away from zero to seven decimals.
// Rounding the decimal form rather than the binary value matters: the double
// nearest to 4.00000005 lies just below it, yet is written 4.0000001.
// Separator, grouping, negative sign and leading zero follow `settings`; a
// value that rounds to zero is written without a sign.
// The value must be finite.
std::string FormatFixed7(double value, const RegionalSettings& settings);
std::string FormatFixed7(float value, const RegionalSettings& settings);

// The digits of an integer part grouped as `settings` groups them
// ("1234567" is "1,234,567" in en_US and "12,34,567" in en_IN).
std::string GroupedIntegerDigits(std::string_view digits, const RegionalSettings& settings);

// The shortest decimal text that reads back as the same double, in ASCII
// with "." and an exponent where one is shorter ("3.2", "1e-08"). The value
// must be finite.
std::string ShortestDecimal(double value);

}  // namespace rt
