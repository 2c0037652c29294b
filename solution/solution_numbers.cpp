#include "solution/solution_numbers.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "runtime/number_formatting.h"

namespace rt {
namespace {

constexpr std::string_view kMinus = "−";

// Beyond these powers of ten a positional number gets too long to read.
constexpr int kLargestPositionalPower = 20;
constexpr int kSmallestPositionalPower = -12;

std::string Regional(const std::string& plain, bool negative, const RegionalSettings& settings) {
  const std::size_t point = plain.find('.');
  const std::string integer = plain.substr(0, point);
  std::string text = negative ? std::string(kMinus) : std::string();
  if (integer != "0" || settings.leadingZero || point == std::string::npos) {
    text += GroupedIntegerDigits(integer, settings);
  }
  if (point != std::string::npos) text += settings.decimalSeparator + plain.substr(point + 1);
  return text;
}

std::string Superscript(int power) {
  static constexpr std::array<std::string_view, 10> kDigits = {"⁰", "¹", "²", "³", "⁴",
                                                               "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = power < 0 ? "⁻" : "";
  for (const char digit : std::to_string(std::abs(power)))
    text += kDigits[static_cast<std::size_t>(digit - '0')];
  return text;
}

}  // namespace

std::string SolutionNumber(const ExactDecimal& value, int decimals, const RegionalSettings& settings) {
  const ExactDecimal rounded = value.RoundedToDecimals(decimals);
  return Regional(rounded.PlainDigits(decimals), rounded.IsNegative(), settings);
}

std::string ShortSolutionNumber(const ExactDecimal& value, const RegionalSettings& settings) {
  if (value.IsZero()) return "0";
  const int power = value.LeadingPower();
  if (power <= kLargestPositionalPower && power >= kSmallestPositionalPower) {
    return Regional(value.PlainDigits(), value.IsNegative(), settings);
  }
  // d,ddd·10ⁿ: the digits as a number between 1 and 10.
  std::string digits = value.PlainDigits();
  digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
  digits.erase(0, digits.find_first_not_of('0'));
  digits.erase(digits.find_last_not_of('0') + 1);
  std::string mantissa = digits.substr(0, 1);
  if (digits.size() > 1) mantissa += settings.decimalSeparator + digits.substr(1);
  return (value.IsNegative() ? std::string(kMinus) : "") + mantissa + "·10" + Superscript(power);
}

std::string SolutionBoxText(const std::string& text, const RegionalSettings& settings) {
  if (!settings.negativeSign.empty() && text.starts_with(settings.negativeSign)) {
    return std::string(kMinus) + text.substr(settings.negativeSign.size());
  }
  return text;
}

ExactDecimal ValueOfBoxText(std::string_view text, const RegionalSettings& settings) {
  std::string plain;
  for (std::size_t i = 0; i < text.size();) {
    if (!settings.negativeSign.empty() &&
        text.substr(i, settings.negativeSign.size()) == settings.negativeSign) {
      plain += '-';
      i += settings.negativeSign.size();
    } else if (text.substr(i, settings.decimalSeparator.size()) == settings.decimalSeparator) {
      plain += '.';
      i += settings.decimalSeparator.size();
    } else if (!settings.groupSeparator.empty() &&
               text.substr(i, settings.groupSeparator.size()) == settings.groupSeparator) {
      i += settings.groupSeparator.size();
    } else {
      plain += text[i++];
    }
  }
  if (!plain.empty() && plain[0] == '.') plain.insert(0, "0");
  if (plain.starts_with("-.")) plain.insert(1, "0");
  return ExactDecimal::Parse(plain).value_or(ExactDecimal());
}

}  // namespace rt
