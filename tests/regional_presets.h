#pragma once

#include "runtime/regional_settings.h"

// The three regional settings the tests pin, written out by hand so that no
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

}  // namespace rt::test
