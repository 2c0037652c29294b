#include "tests/fuzz/number_text_shape.h"

#include <algorithm>
#include <string>

namespace rt::fuzz {
namespace {

bool AllDigits(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool HasSevenDecimalShape(std::string_view text, const RegionalSettings& settings) {
  if (text.starts_with(settings.negativeSign)) text.remove_prefix(settings.negativeSign.size());
  const std::size_t separator = text.rfind(settings.decimalSeparator);
  if (separator == std::string_view::npos) return false;
  const std::string_view fraction = text.substr(separator + settings.decimalSeparator.size());
  if (fraction.size() != 7 || !AllDigits(fraction)) return false;

  std::string_view integer = text.substr(0, separator);
  if (integer.empty()) return !settings.leadingZero;
  if (settings.groupSeparator.empty() || integer.find(settings.groupSeparator) == std::string_view::npos) {
    const auto digits = static_cast<int>(integer.size());
    const bool should_group = !settings.groupSeparator.empty() && digits >= settings.groupingMinimumDigits;
    return AllDigits(integer) && !should_group && (integer.size() == 1 || integer[0] != '0');
  }
  // Grouped: the rightmost group has the primary size, the others the
  // secondary size, the leftmost one at most that.
  int group = 0;
  std::size_t digits = 0;
  while (true) {
    const std::size_t at = integer.rfind(settings.groupSeparator);
    const std::string_view last =
        at == std::string_view::npos ? integer : integer.substr(at + settings.groupSeparator.size());
    if (!AllDigits(last) || last.empty()) return false;
    digits += last.size();
    const int expected = group == 0 ? settings.primaryGroupSize : settings.secondaryGroupSize;
    if (at == std::string_view::npos) {
      return static_cast<int>(last.size()) <= expected && last[0] != '0' &&
             static_cast<int>(digits) >= settings.groupingMinimumDigits;
    }
    if (static_cast<int>(last.size()) != expected) return false;
    integer = integer.substr(0, at);
    ++group;
  }
}

}  // namespace rt::fuzz
