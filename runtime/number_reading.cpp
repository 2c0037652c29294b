#include "runtime/number_reading.h"

#include <cmath>
#include <string>

#include "fast_float/fast_float.h"

namespace rt {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text as if blanks, tabs and line feeds were not there.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipIgnored(); }

  std::size_t Position() const { return pos_; }
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

// Whether exactly `size` digits follow, and then no further digit.
bool TakeGroupDigits(Cursor& cursor, int size) {
  for (int i = 0; i < size; ++i) {
    if (!IsDigit(cursor.Peek())) return false;
    cursor.Advance();
  }
  return !IsDigit(cursor.Peek());
}

// Whether the cursor, standing just after a group separator, sees a group
// as the writer writes them: the primary group (next to the decimal
// separator, or the end), or a secondary group that another separator and
// a group follow. With 3 and 3 (en_US) every group has three digits; with 3
// and 2 (en_IN) "1,23,456" holds two of two and one of three. When the group
// separator is ".", which is otherwise a decimal point, the primary group
// must also be followed by another group separator or the regional decimal
// separator.
bool GroupFollows(Cursor cursor, const RegionalSettings& settings) {
  const int secondary =
      settings.secondaryGroupSize > 0 ? settings.secondaryGroupSize : settings.primaryGroupSize;
  for (;;) {
    Cursor primary = cursor;
    if (TakeGroupDigits(primary, settings.primaryGroupSize)) {
      if (settings.groupSeparator != ".") return true;
      Cursor after_separator = primary;
      if (primary.Take(settings.groupSeparator) || after_separator.Take(settings.decimalSeparator))
        return true;
    }
    if (secondary == settings.primaryGroupSize) return false;
    if (!TakeGroupDigits(cursor, secondary) || !cursor.Take(settings.groupSeparator)) return false;
  }
}

bool TakeDecimalPoint(Cursor& cursor, const RegionalSettings& settings) {
  if (cursor.Peek() == '.') {
    cursor.Advance();
    return true;
  }
  return cursor.Take(settings.decimalSeparator);
}

// Far past any double, and small enough that adding the position of the
// decimal point cannot overflow.
constexpr long long kExponentLimit = 1'000'000'000;

// A decimal number 0.DIGITS x 10^point, beyond which a double overflows, and
// below which it is zero: the largest double is 0.17976931348623157e309, the
// smallest subnormal 0.49406564584124654e-323.
constexpr long long kOverflowPoint = 309;
constexpr long long kUnderflowPoint = -323;

// The number 0.`digits` x 10^`point`: the significant digits, without the
// zeros that lead them, and where the decimal point stands among them.
struct Mantissa {
  std::string digits;
  long long point = 0;
  bool seenDigit = false;

  void Take(char c, bool inFraction) {
    seenDigit = true;
    if (c == '0' && digits.empty()) {
      if (inFraction) --point;
      return;
    }
    digits += c;
    if (!inFraction) ++point;
  }
};

// The digits before the decimal point, and the group separators between
// them that a group of the writer's sizes follows.
void TakeIntegerDigits(Cursor& cursor, const RegionalSettings& settings, Mantissa& mantissa) {
  const bool grouping =
      !settings.groupSeparator.empty() && settings.groupSeparator != settings.decimalSeparator;
  for (;;) {
    const char c = cursor.Peek();
    if (IsDigit(c)) {
      mantissa.Take(c, false);
      cursor.Advance();
      continue;
    }
    if (grouping && mantissa.seenDigit) {
      Cursor after = cursor;
      if (after.Take(settings.groupSeparator) && GroupFollows(after, settings)) {
        cursor = after;
        continue;
      }
    }
    return;
  }
}

// "e-12": the exponent, cut far past any double's.
long long TakeExponent(Cursor& cursor, NumberExtent& extent) {
  long long exponent = 0;
  if (cursor.Peek() != 'e' && cursor.Peek() != 'E') return exponent;
  cursor.Advance();
  bool negative = false;
  if (cursor.Peek() == '-' || cursor.Peek() == '+') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  extent.exponent = true;
  while (IsDigit(cursor.Peek())) {
    if (exponent < kExponentLimit) exponent = exponent * 10 + (cursor.Peek() - '0');
    cursor.Advance();
  }
  extent.end = cursor.Position();
  return negative ? -exponent : exponent;
}

// The double nearest the number, or an overflow.
NumberReading Convert(bool negative, const Mantissa& mantissa, long long exponent) {
  if (mantissa.digits.empty()) return {};  // zero, whatever its exponent
  // Decided without converting where the conversion would need an exponent
  // far beyond the double range; the text may hold any number of digits.
  const long long magnitude = mantissa.point + exponent;
  if (magnitude > kOverflowPoint) return {0.0, RuntimeError::Overflow};
  if (magnitude < kUnderflowPoint) return {};

  std::string number = negative ? "-0." : "0.";
  number += mantissa.digits;
  number += 'e';
  number += std::to_string(magnitude);
  double value = 0.0;
  // Correctly rounded, and with no regard to the C library's locale (Qt sets
  // LC_NUMERIC, which strtod would follow). A result beyond the range comes
  // back as an infinity.
  fast_float::from_chars(number.data(), number.data() + number.size(), value);
  if (std::isinf(value)) return {0.0, RuntimeError::Overflow};
  return {value, RuntimeError::None};
}

}  // namespace

NumberReading ReadNumber(std::string_view text, const RegionalSettings& settings) {
  NumberExtent extent;
  return ReadNumber(text, settings, extent);
}

NumberReading ReadNumber(std::string_view text, const RegionalSettings& settings, NumberExtent& extent) {
  extent = {};
  Cursor cursor(text);
  bool negative = false;
  if (cursor.Peek() == '-' || cursor.Peek() == '+') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  Mantissa mantissa;
  TakeIntegerDigits(cursor, settings, mantissa);
  if (TakeDecimalPoint(cursor, settings)) {
    while (IsDigit(cursor.Peek())) {
      mantissa.Take(cursor.Peek(), true);
      ++extent.fractionDigits;
      cursor.Advance();
    }
  }
  if (!mantissa.seenDigit) return {};
  extent.digits = true;
  extent.end = cursor.Position();
  const long long exponent = TakeExponent(cursor, extent);
  return Convert(negative, mantissa, exponent);
}

}  // namespace rt
