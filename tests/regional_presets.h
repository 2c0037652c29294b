#pragma once

#include <ostream>
#include <string>

#include "runtime/regional_settings.h"

// The regional settings the tests pin, written out by hand so that no
// test depends on the machine's locale.
namespace rt::test {

inline RegionalSettings PosixSettings() { return RegionalSettings::Posix(); }

inline RegionalSettings EnglishUsSettings() {
  RegionalSettings s;
  s.groupSeparator = ",";
  s.groupingMinimumDigits = 4;
  return s;
}

inline RegionalSettings BulgarianSettings() {
  RegionalSettings s;
  s.decimalSeparator = ",";
  s.groupSeparator = "\u00A0";
  s.groupingMinimumDigits = 5;
  return s;
}

// de_DE: "." groups the digits and "," is the decimal separator, the
// reverse of en_US, while "." still reads as a decimal point.
inline RegionalSettings GermanSettings() {
  RegionalSettings s;
  s.decimalSeparator = ",";
  s.groupSeparator = ".";
  s.groupingMinimumDigits = 4;
  return s;
}

// en_IN and hi_IN: a primary group of three, then groups of two
// ("12,34,567.5").
inline RegionalSettings IndianSettings() {
  RegionalSettings s = EnglishUsSettings();
  s.secondaryGroupSize = 2;
  return s;
}

}  // namespace rt::test

namespace rt {

// How GoogleTest prints settings in a test's name and in a failure: the
// separators in ASCII (U+00A0 for bg_BG's no-break space), never the raw
// bytes of the object, which hold heap addresses and change from run to run.
inline void PrintTo(const RegionalSettings& s, std::ostream* os) {
  const auto visible = [](const std::string& separator) -> std::string {
    if (separator.empty()) return "none";
    return separator == "\u00A0" ? "U+00A0" : separator;
  };
  *os << "decimal=" << visible(s.decimalSeparator) << " group=" << visible(s.groupSeparator)
      << " groups=" << s.primaryGroupSize << "/" << s.secondaryGroupSize
      << " grouping-from=" << s.groupingMinimumDigits << " leading-zero=" << (s.leadingZero ? "on" : "off");
}

}  // namespace rt
