#include "runtime/number_reading.h"

#include <charconv>
#include <string>
#include <system_error>

namespace rt {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text as if blanks, tabs and line feeds were not there.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipIgnored(); }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() {
    ++pos_;
    SkipIgnored();
  }

  // Consumes `token` when the text continues with it (ignored characters may
  // not stand inside a multi-byte separator).
  bool Take(std::string_view token) {
    if (token.empty() || text_.substr(pos_, token.size()) != token) return false;
    pos_ += token.size();
    SkipIgnored();
    return true;
  }

 private:
  void SkipIgnored() {
    while (pos_ < text_.size() && IsIgnored(text_[pos_])) ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Whether the cursor, standing just after a group separator, sees exactly
// three digits and then no fourth. When the group separator is ".", which is
// otherwise a decimal point, the three digits must also be followed by
// another group separator or the regional decimal separator.
bool GroupFollows(Cursor cursor, const RegionalSettings& settings) {
  for (int i = 0; i < 3; ++i) {
    if (!IsDigit(cursor.Peek())) return false;
    cursor.Advance();
  }
  if (IsDigit(cursor.Peek())) return false;
  if (settings.groupSeparator != ".") return true;
  Cursor after_separator = cursor;
  return cursor.Take(settings.groupSeparator) || after_separator.Take(settings.decimalSeparator);
}

bool TakeDecimalPoint(Cursor& cursor, const RegionalSettings& settings) {
  if (cursor.Peek() == '.') {
    cursor.Advance();
    return true;
  }
  return cursor.Take(settings.decimalSeparator);
}

constexpr long kExponentLimit = 100'000'000;  // far past any double; keeps the sum in range

}  // namespace

NumberReading ReadNumber(std::string_view text, const RegionalSettings& settings) {
  Cursor cursor(text);
  std::string mantissa;  // plain ASCII: sign, digits, at most one '.'
  if (cursor.Peek() == '-' || cursor.Peek() == '+') {
    if (cursor.Peek() == '-') mantissa += '-';
    cursor.Advance();
  }

  // Position of the decimal point counted from the first significant digit,
  // to tell an overflow from an underflow when the conversion is out of range.
  long significant_integer_digits = 0;
  long leading_fraction_zeros = 0;
  bool seen_nonzero = false;
  bool seen_digit = false;

  const bool grouping =
      !settings.groupSeparator.empty() && settings.groupSeparator != settings.decimalSeparator;
  for (;;) {
    const char c = cursor.Peek();
    if (IsDigit(c)) {
      mantissa += c;
      seen_digit = true;
      if (c != '0' || seen_nonzero) {
        seen_nonzero = true;
        ++significant_integer_digits;
      }
      cursor.Advance();
      continue;
    }
    if (grouping && seen_digit) {
      Cursor after = cursor;
      if (after.Take(settings.groupSeparator) && GroupFollows(after, settings)) {
        cursor = after;
        continue;
      }
    }
    break;
  }

  if (TakeDecimalPoint(cursor, settings)) {
    mantissa += '.';
    while (IsDigit(cursor.Peek())) {
      const char c = cursor.Peek();
      mantissa += c;
      seen_digit = true;
      if (!seen_nonzero) {
        if (c == '0') {
          ++leading_fraction_zeros;
        } else {
          seen_nonzero = true;
        }
      }
      cursor.Advance();
    }
  }
  if (!seen_digit) return {};

  long exponent = 0;
  if (cursor.Peek() == 'e' || cursor.Peek() == 'E') {
    cursor.Advance();
    bool negative = false;
    if (cursor.Peek() == '-' || cursor.Peek() == '+') {
      negative = cursor.Peek() == '-';
      cursor.Advance();
    }
    while (IsDigit(cursor.Peek())) {
      if (exponent < kExponentLimit) exponent = exponent * 10 + (cursor.Peek() - '0');
      cursor.Advance();
    }
    if (negative) exponent = -exponent;
  }
  if (!seen_nonzero) return {};

  std::string number = std::move(mantissa);
  number += 'e';
  number += std::to_string(exponent);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // The decimal magnitude of the number: above zero it is too large for a
    // double, otherwise too small.
    const long magnitude = significant_integer_digits > 0 ? significant_integer_digits + exponent
                                                          : exponent - leading_fraction_zeros;
    if (magnitude > 0) return {0.0, RuntimeError::Overflow};
    return {};
  }
  (void)end;
  return {value, RuntimeError::None};
}

}  // namespace rt
