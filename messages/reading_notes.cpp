#include "messages/reading_notes.h"

#include <cmath>

#include "messages/quoted_text.h"
#include "runtime/number_formatting.h"
#include "runtime/number_reading.h"

namespace rt {
namespace {

constexpr std::size_t kMostQuoted = 24;  // characters of a typed text quoted in a note

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The text as the student typed it, cut where it is long.
std::string Quoted(std::string_view text) { return QuotedText(text, kMostQuoted); }

// The value read, as the regional settings write a number: "4", "4,8".
std::string ReadValue(double value, const RegionalSettings& settings) {
  std::string text = ShortestDecimal(value);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, settings.decimalSeparator);
  return text;
}

std::string SignName(const std::string& sign) {
  if (sign == ".") return "точка";
  if (sign == ",") return "запетая";
  return "„" + sign + "“";
}

// Whether a blank stands between two digits that the reading joined.
bool JoinsDigits(std::string_view text) {
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (!IsBlank(text[i]) || !IsDigit(text[i - 1])) continue;
    std::size_t next = i;
    while (next < text.size() && IsBlank(text[next])) ++next;
    if (next < text.size() && IsDigit(text[next])) return true;
  }
  return false;
}

}  // namespace

std::string ReadingNote(Quantity q, std::string_view text, const RegionalSettings& settings) {
  const std::string symbol(SymbolOf(q));
  const std::string_view typed = Trimmed(text);
  if (typed.empty()) return "Полето " + symbol + " е празно.";
  NumberExtent extent;
  const NumberReading reading = ReadNumber(typed, settings, extent);
  if (reading.error != RuntimeError::None || !std::isfinite(reading.value)) {
    return "Стойността на " + symbol + " (" + Quoted(typed) + ") е твърде голяма; нищо не е изчислено.";
  }
  if (!(reading.value > 0.0)) {
    return "Стойността на " + symbol + " (" + Quoted(typed) +
           ") не е положително число; нищо не е изчислено.";
  }
  const std::string read = ReadValue(reading.value, settings);
  if (extent.end < typed.size()) {
    std::string note = "Прочетено е само " + read + " от " + Quoted(typed);
    // A decimal sign of another region is the likely slip: say which one counts here.
    const char stop = typed[extent.end];
    const bool other_sign = (stop == ',' || stop == '.') &&
                            std::string(1, stop) != settings.decimalSeparator && extent.fractionDigits == 0;
    if (other_sign) note += ": тук десетичният знак е " + SignName(settings.decimalSeparator);
    return note + ".";
  }
  if (JoinsDigits(typed)) {
    return "Прочетено е " + read + " от " + Quoted(typed) + ": интервалите между цифрите се пропускат.";
  }
  return {};
}

}  // namespace rt
