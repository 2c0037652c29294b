// Any bytes read as a number: never a crash or undefined behaviour, and the
// only error is an overflow; the reading that also tells how far it went
// reads the same number, and ends inside the text. Any bytes checked as a
// student's answer: never a crash either.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "practice/answer_check.h"
#include "runtime/number_reading.h"
#include "tests/fuzz/fuzz_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::uint8_t choice = 0; choice < rt::fuzz::kSettingsCount; ++choice) {
    const rt::NumberReading reading = rt::ReadNumber(text, rt::fuzz::SettingsFromByte(choice));
    RT_FUZZ_CHECK(reading.error == rt::RuntimeError::None || reading.error == rt::RuntimeError::Overflow);
    RT_FUZZ_CHECK(std::isfinite(reading.value));
    rt::NumberExtent extent;
    const rt::NumberReading measured = rt::ReadNumber(text, rt::fuzz::SettingsFromByte(choice), extent);
    RT_FUZZ_CHECK(measured.error == reading.error);
    RT_FUZZ_CHECK(measured.value == reading.value ||
                  (std::isnan(measured.value) && std::isnan(reading.value)));
    RT_FUZZ_CHECK(extent.end <= text.size());
    RT_FUZZ_CHECK(extent.digits || extent.end == 0);
    const rt::AnswerMark mark = rt::CheckAnswer(text, 2.4, rt::fuzz::SettingsFromByte(choice));
    RT_FUZZ_CHECK(mark >= rt::AnswerMark::Empty && mark <= rt::AnswerMark::TooManyDecimals);
  }
  return 0;
}
