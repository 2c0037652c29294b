// Any bytes read as a number: never a crash or undefined behaviour, and the
// only error is an overflow; the reading that also tells how far it went
// reads the same number, and ends inside the text. Any bytes checked as a
// student's answer: never a crash either.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "practice/answer_check.h"
#include "practice/typed_answer.h"
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
    static const rt::ExactDecimal kLength = *rt::ExactDecimal::Parse("2.4");
    const rt::AnswerMark mark = rt::MarkOfAnswer(text, kLength, rt::fuzz::SettingsFromByte(choice));
    RT_FUZZ_CHECK(mark >= rt::AnswerMark::Empty && mark <= rt::AnswerMark::TooManyDecimals);
    // An exact form held as a surd has the value it was read with (in a
    // short text, whose numbers cannot cancel all its digits).
    const rt::TypedAnswer answer = rt::ReadTypedAnswer(text, rt::fuzz::SettingsFromByte(choice));
    RT_FUZZ_CHECK(answer.kind != rt::TypedAnswer::Kind::Decimal || answer.decimals >= 0);
    if (size <= 30 && answer.kind == rt::TypedAnswer::Kind::Form && answer.surd &&
        answer.surd->terms.size() == 1) {
      RT_FUZZ_CHECK(rt::NearlyEqual(answer.surd->Approximately(), answer.value));
    }
  }
  return 0;
}
