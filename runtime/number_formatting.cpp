#include "runtime/number_formatting.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace rt {
namespace {

constexpr int kDecimals = 7;

// A non-negative decimal number: digits d1 d2 ... dn with the decimal point
// after `point` digits (point may be negative or beyond n).
struct Decimal {
  std::string digits;
  int point = 0;
};

// The value's decimal form, correctly rounded to `significant` digits.
template <typename Float>
Decimal ToDecimal(Float magnitude, int significant) {
  if (magnitude == 0) return {"0", 1};
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, significant - 1);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  // text is "d.ddd...e+XX" (or "de+XX" with one significant digit).
  const std::size_t e = text.find('e');
  Decimal decimal;
  for (char c : text.substr(0, e)) {
    if (c != '.') decimal.digits += c;
  }
  decimal.point = std::atoi(text.data() + e + 1) + 1;
  return decimal;
}

// The integer part and the seven decimals of `decimal`, rounded half away
// from zero at the seventh decimal.
std::pair<std::string, std::string> RoundToSevenDecimals(const Decimal& decimal) {
  const int kept = decimal.point + kDecimals;  // digits that stay
  std::string digits;
  if (kept <= 0) {
    // Every digit lies beyond the seventh decimal; only the first dropped
    // digit, standing right after it, can round up.
    const bool round_up = kept == 0 && decimal.digits[0] >= '5';
    digits = round_up ? "1" : "0";
  } else if (static_cast<std::size_t>(kept) >= decimal.digits.size()) {
    digits = decimal.digits;
    digits.append(static_cast<std::size_t>(kept) - decimal.digits.size(), '0');
  } else {
    digits = decimal.digits.substr(0, static_cast<std::size_t>(kept));
    if (decimal.digits[static_cast<std::size_t>(kept)] >= '5') {
      auto it = digits.rbegin();
      for (; it != digits.rend() && *it == '9'; ++it) *it = '0';
      if (it == digits.rend()) {
        digits.insert(digits.begin(), '1');
      } else {
        ++*it;
      }
    }
  }
  // digits now holds the value times 10^7 as an integer.
  if (digits.size() <= static_cast<std::size_t>(kDecimals)) {
    digits.insert(0, kDecimals + 1 - digits.size(), '0');
  }
  const std::size_t integer_length = digits.size() - kDecimals;
  std::string integer = digits.substr(0, integer_length);
  const std::size_t first_nonzero = integer.find_first_not_of('0');
  integer.erase(0, first_nonzero == std::string::npos ? integer.size() - 1 : first_nonzero);
  return {std::move(integer), digits.substr(integer_length)};
}

std::string GroupDigits(const std::string& integer, const RegionalSettings& settings) {
  const int length = static_cast<int>(integer.size());
  if (settings.groupSeparator.empty() || settings.primaryGroupSize <= 0 ||
      length < settings.groupingMinimumDigits) {
    return integer;
  }
  const int secondary = settings.secondaryGroupSize > 0 ? settings.secondaryGroupSize
                                                        : settings.primaryGroupSize;
  // Where separators go, counted in digits from the right.
  std::string grouped;
  grouped.reserve(integer.size() * 2);
  int next_break = settings.primaryGroupSize;
  std::string reversed;
  for (int from_right = 0; from_right < length; ++from_right) {
    if (from_right == next_break) {
      reversed.append(settings.groupSeparator.rbegin(), settings.groupSeparator.rend());
      next_break += secondary;
    }
    reversed += integer[static_cast<std::size_t>(length - 1 - from_right)];
  }
  grouped.assign(reversed.rbegin(), reversed.rend());
  return grouped;
}

template <typename Float>
std::string Format(Float value, int significant, const RegionalSettings& settings) {
  assert(std::isfinite(value));
  if (!std::isfinite(value)) return {};
  const auto [integer, fraction] = RoundToSevenDecimals(ToDecimal(std::fabs(value), significant));
  const bool is_zero =
      integer == "0" && fraction.find_first_not_of('0') == std::string::npos;

  std::string text;
  text.reserve(integer.size() * 2 + 16);
  if (std::signbit(value) && !is_zero) text += settings.negativeSign;
  if (integer != "0" || settings.leadingZero) text += GroupDigits(integer, settings);
  text += settings.decimalSeparator;
  text += fraction;
  return text;
}

}  // namespace

std::string FormatFixed7(double value, const RegionalSettings& settings) {
  return Format(value, 15, settings);
}

std::string FormatFixed7(float value, const RegionalSettings& settings) {
  return Format(value, 7, settings);
}

}  // namespace rt
