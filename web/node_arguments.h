#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "runtime/regional_settings.h"

namespace rt::web {

// The regional settings that the node programs of the comparison tests take
// as arguments, "DECIMAL GROUP GROUPING_FROM", or POSIX's without any;
// nullopt, after the usage line on standard error, for anything else.
inline std::optional<RegionalSettings> SettingsFromArguments(int argc, char** argv, const char* program) {
  RegionalSettings settings = RegionalSettings::Posix();
  if (argc == 4) {
    settings.decimalSeparator = argv[1];
    settings.groupSeparator = argv[2];
    settings.groupingMinimumDigits = std::atoi(argv[3]);
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: %s [DECIMAL GROUP GROUPING_FROM]\n", program);
    return std::nullopt;
  }
  return settings;
}

inline constexpr int kExitUsage = 64;  // EX_USAGE

}  // namespace rt::web
