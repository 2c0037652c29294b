#pragma once

#include <cstddef>
#include <string_view>

#include "runtime/regional_settings.h"
#include "runtime/runtime_error.h"

namespace rt {

struct NumberReading {
  double value = 0.0;
  RuntimeError error = RuntimeError::None;  // only ever Overflow
};

// Reads the leading number of a text the way the forms runtime does: an
// optional sign, digits, a decimal point, more digits and an optional
// exponent ("4cm" is 4, "abc" and "" are 0). Blanks, tabs and line feeds are
// ignored wherever they stand; any other character ends the number. "." is
// always a decimal point.
//
// So that the program can read back what it wrote, the regional decimal
// separator counts as a decimal point too, and a regional group separator
// between integer digits is skipped when a group of the sizes the writer
// uses follows it ("1,234.5" in en_US, "12 345,5" in bg_BG, "1,23,456.5" in
// en_IN). A number beyond the double
// range overflows; one too small for it reads as 0 or a subnormal.
NumberReading ReadNumber(std::string_view text, const RegionalSettings& settings);

// How far the same reading went in the text, for a caller that must take
// the text whole (a student's answer, where "3cm" is no number).
struct NumberExtent {
  std::size_t end = 0;     // just past the last character read, blanks after it included
  int fractionDigits = 0;  // digits after the decimal point
  bool exponent = false;   // an exponent was read
  bool digits = false;     // at least one digit was read
};
NumberReading ReadNumber(std::string_view text, const RegionalSettings& settings, NumberExtent& extent);

}  // namespace rt
