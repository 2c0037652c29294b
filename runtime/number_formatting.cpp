#include "runtime/number_formatting.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <string_view>
#include <type_traits>

#include "fmt/compile.h"
#include "fmt/format.h"

namespace rt {
namespace {

constexpr int kDecimals = 7;

// Room for the integer digits of the largest double (309), the decimals and a
// carry.
constexpr std::size_t kMaxDigits = 330;

// A non-negative decimal number: `count` significant digits with the decimal
// point after `point` of them (point may be negative or beyond count).
struct Decimal {
  std::array<char, 24> digits{};
  int count = 0;
  int point = 0;
};

// The value's decimal form, correctly rounded to 15 significant digits for a
// double and 7 for a float.
template <typename Float>
Decimal ToDecimal(Float magnitude) {
  Decimal decimal;
  if (magnitude == 0) {
    decimal.digits[0] = '0';
    decimal.count = 1;
    decimal.point = 1;
    return decimal;
  }
  // fmt writes the exact binary value correctly rounded to the requested
  // digits, the same on every platform and whatever the C locale says. The
  // format is compiled, so only the float writer is linked, not fmt's
  // run-time format parser with its writers for every other type.
  std::array<char, 64> buffer{};
  const char* end = nullptr;
  if constexpr (std::is_same_v<Float, double>) {
    end = fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{:.14e}"), magnitude).out;
  } else {
    end = fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{:.6e}"), magnitude).out;
  }
  // The text is "d.ddd...e+XX" (or "de+XX" with one significant digit).
  const char* p = buffer.data();
  for (; *p != 'e'; ++p) {
    if (*p != '.') decimal.digits[static_cast<std::size_t>(decimal.count++)] = *p;
  }
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
  decimal.point = exponent + 1;
  return decimal;
}

// The value times 10^7, rounded half away from zero to an integer, as at
// least eight decimal digits (so that the integer part is never empty).
// Returns the number of digits written into `out`.
std::size_t ScaledDigits(const Decimal& decimal, std::array<char, kMaxDigits>& out) {
  const int kept = decimal.point + kDecimals;  // significant digits that stay
  std::size_t length = 0;
  if (kept <= 0) {
    // Every digit lies beyond the seventh decimal; only a first digit right
    // after it can round up.
    out[length++] = kept == 0 && decimal.digits[0] >= '5' ? '1' : '0';
  } else {
    for (int i = 0; i < kept; ++i)
      out[length++] = i < decimal.count ? decimal.digits[static_cast<std::size_t>(i)] : '0';
    if (kept < decimal.count && decimal.digits[static_cast<std::size_t>(kept)] >= '5') {
      std::size_t i = length;
      while (i > 0 && out[i - 1] == '9') out[--i] = '0';
      if (i == 0) {
        std::copy_backward(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(length),
                           out.begin() + static_cast<std::ptrdiff_t>(length) + 1);
        out[0] = '1';
        ++length;
      } else {
        ++out[i - 1];
      }
    }
  }
  constexpr std::size_t kMinimum = kDecimals + 1;
  if (length < kMinimum) {
    const std::size_t pad = kMinimum - length;
    std::copy_backward(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(length),
                       out.begin() + static_cast<std::ptrdiff_t>(kMinimum));
    std::fill_n(out.begin(), pad, '0');
    length = kMinimum;
  }
  return length;
}

void AppendGrouped(std::string_view integer, const RegionalSettings& settings, std::string& text) {
  const int length = static_cast<int>(integer.size());
  if (settings.groupSeparator.empty() || settings.primaryGroupSize <= 0 ||
      length < settings.groupingMinimumDigits) {
    text += integer;
    return;
  }
  const int secondary =
      settings.secondaryGroupSize > 0 ? settings.secondaryGroupSize : settings.primaryGroupSize;
  // Separators stand after the digit whose count from the right is
  // primary, primary + secondary, primary + 2 secondary, ...
  int first_group = (length - settings.primaryGroupSize) % secondary;
  if (first_group == 0) first_group = secondary;
  if (length <= settings.primaryGroupSize) first_group = length;
  int position = 0;
  for (int group = first_group; position < length;) {
    text.append(integer.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(group)));
    position += group;
    if (position < length) text += settings.groupSeparator;
    group = length - position == settings.primaryGroupSize ? settings.primaryGroupSize : secondary;
  }
}

template <typename Float>
std::string Format(Float value, const RegionalSettings& settings) {
  assert(std::isfinite(value));
  if (!std::isfinite(value)) return {};
  std::array<char, kMaxDigits> scaled;
  const std::size_t length = ScaledDigits(ToDecimal(std::fabs(value)), scaled);
  std::string_view digits(scaled.data(), length);
  const std::string_view fraction = digits.substr(length - kDecimals);
  std::string_view integer = digits.substr(0, length - kDecimals);
  integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size() - 1));
  const bool is_zero = digits.find_first_not_of('0') == std::string_view::npos;

  std::string text;
  text.reserve(integer.size() * (1 + settings.groupSeparator.size()) + 16);
  if (std::signbit(value) && !is_zero) text += settings.negativeSign;
  if (integer != "0" || settings.leadingZero) AppendGrouped(integer, settings, text);
  text += settings.decimalSeparator;
  text += fraction;
  return text;
}

}  // namespace

std::string FormatFixed7(double value, const RegionalSettings& settings) { return Format(value, settings); }

std::string FormatFixed7(float value, const RegionalSettings& settings) { return Format(value, settings); }

std::string GroupedIntegerDigits(std::string_view digits, const RegionalSettings& settings) {
  std::string text;
  AppendGrouped(digits, settings, text);
  return text;
}

std::string ShortestDecimal(double value) { return fmt::format(FMT_COMPILE("{}"), value); }

}  // namespace rt
