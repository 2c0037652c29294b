#pragma once

#include <string>

namespace rt {

// The user's regional number settings, as far as reading and writing lengths
// needs them. Separators are UTF-8 (bg_BG groups with U+00A0, a no-break
// space). The platform fills this in; the core only reads it.
struct RegionalSettings {
  std::string decimalSeparator = ".";
  std::string groupSeparator;     // empty: digits are never grouped
  int primaryGroupSize = 3;       // digits in the group next to the separator
  int secondaryGroupSize = 3;     // digits in every group further left (2 in hi_IN)
  int groupingMinimumDigits = 4;  // integer digits from which grouping starts:
                                  // 4 in en_US (1,234), 5 in bg_BG (1234 but 12 345)
  std::string negativeSign = "-";
  bool leadingZero = true;  // 0.5 rather than .5

  // The POSIX locale: "." and no grouping.
  static RegionalSettings Posix() { return {}; }
};

}  // namespace rt
