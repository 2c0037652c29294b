// Any finite double and single written with seven decimals in each regional
// setting: always the promised shape, and below 1e15 reading the text back
// gives the value rounded to seven decimals.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "runtime/number_formatting.h"
#include "runtime/number_reading.h"
#include "tests/fuzz/fuzz_settings.h"
#include "tests/fuzz/number_text_shape.h"

namespace {

// `significant` is the number of decimal digits the formatting keeps before
// rounding to seven decimals: 15 for a double, 7 for a single.
void Check(double value, const std::string& text, int significant, const rt::RegionalSettings& settings) {
  RT_FUZZ_CHECK(rt::fuzz::HasSevenDecimalShape(text, settings));
  if (std::fabs(value) >= 1e15) return;
  const rt::NumberReading back = rt::ReadNumber(text, settings);
  RT_FUZZ_CHECK(back.error == rt::RuntimeError::None);
  // Half a unit of the seventh decimal, plus what the first rounding to
  // `significant` digits and the reading's own rounding may add.
  const double tolerance =
      0.5e-7 + std::fabs(value) * (0.5 * std::pow(10.0, 1 - significant) + 4e-16) + 1e-300;
  RT_FUZZ_CHECK(std::fabs(back.value - value) <= tolerance);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 13) return 0;
  double value = 0;
  float single = 0;
  std::memcpy(&value, data, sizeof value);
  std::memcpy(&single, data + 8, sizeof single);
  const rt::RegionalSettings settings = rt::fuzz::SettingsFromByte(data[12]);
  if (std::isfinite(value)) Check(value, rt::FormatFixed7(value, settings), 15, settings);
  if (std::isfinite(single)) Check(single, rt::FormatFixed7(single, settings), 7, settings);
  return 0;
}
