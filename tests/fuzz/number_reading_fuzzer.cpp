// Any bytes read as a number: never a crash or undefined behaviour, and the
// only error is an overflow.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/number_reading.h"
#include "tests/fuzz/fuzz_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::uint8_t choice = 0; choice < rt::fuzz::kSettingsCount; ++choice) {
    const rt::NumberReading reading = rt::ReadNumber(text, rt::fuzz::SettingsFromByte(choice));
    RT_FUZZ_CHECK(reading.error == rt::RuntimeError::None || reading.error == rt::RuntimeError::Overflow);
    RT_FUZZ_CHECK(std::isfinite(reading.value));
  }
  return 0;
}
