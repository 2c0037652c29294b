#pragma once

#include <cstdint>

#include "tests/regional_presets.h"

namespace rt::fuzz {

// The regional settings the program is tested in: "." or "," as the
// decimal sign, groups of three or of three and then two.
constexpr std::uint8_t kSettingsCount = 5;

inline RegionalSettings SettingsFromByte(std::uint8_t byte) {
  switch (byte % kSettingsCount) {
    case 0: return test::PosixSettings();
    case 1: return test::EnglishUsSettings();
    case 2: return test::BulgarianSettings();
    case 3: return test::GermanSettings();
    default: return test::IndianSettings();
  }
}

// Stops the fuzzer with a message naming the broken property.
[[noreturn]] void Fail(const char* property);
#define RT_FUZZ_CHECK(condition)                    \
  do {                                              \
    if (!(condition)) ::rt::fuzz::Fail(#condition); \
  } while (false)

}  // namespace rt::fuzz
