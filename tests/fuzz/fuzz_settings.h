#pragma once

#include <cstdint>

#include "tests/regional_presets.h"

namespace rt::fuzz {

// One of the three regional settings the program is tested in.
inline RegionalSettings SettingsFromByte(std::uint8_t byte) {
  switch (byte % 3) {
    case 0: return test::PosixSettings();
    case 1: return test::EnglishUsSettings();
    default: return test::BulgarianSettings();
  }
}

// Stops the fuzzer with a message naming the broken property.
[[noreturn]] void Fail(const char* property);
#define RT_FUZZ_CHECK(condition)                    \
  do {                                              \
    if (!(condition)) ::rt::fuzz::Fail(#condition); \
  } while (false)

}  // namespace rt::fuzz
