// Any list index, check values and box texts: exactly one of the three
// outcomes, all six texts written or none, and the written texts well formed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/triangle_solver.h"
#include "tests/fuzz/fuzz_settings.h"
#include "tests/fuzz/number_text_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Header: the list index, the settings, six check values; then six texts
  // separated by 0xFF bytes.
  if (size < 8) return 0;
  rt::SolverInput input;
  input.listIndex = static_cast<int>(data[0] % 20) - 2;
  const rt::RegionalSettings settings = rt::fuzz::SettingsFromByte(data[1]);
  for (std::size_t i = 0; i < 6; ++i) input.checks[i] = data[2 + i] % 3;
  std::string_view rest(reinterpret_cast<const char*>(data + 8), size - 8);
  for (std::size_t i = 0; i < 6 && !rest.empty(); ++i) {
    const std::size_t end = rest.find('\xFF');
    input.texts[i] = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }

  const rt::SolveOutcome outcome = rt::SolveTriangle(input, settings);
  switch (outcome.status) {
    case rt::SolveStatus::Written:
      RT_FUZZ_CHECK(outcome.error == rt::RuntimeError::None);
      for (const auto& text : outcome.texts) RT_FUZZ_CHECK(rt::fuzz::HasSevenDecimalShape(text, settings));
      break;
    case rt::SolveStatus::Unchanged:
    case rt::SolveStatus::Failed:
      RT_FUZZ_CHECK((outcome.status == rt::SolveStatus::Failed) == (outcome.error != rt::RuntimeError::None));
      for (const auto& text : outcome.texts) RT_FUZZ_CHECK(text.empty());
      break;
  }
  return 0;
}
