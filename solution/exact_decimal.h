#pragma once

#include <optional>
#include <string>
#include <string_view>

// GCC 12 sees cpp_int's limbs as possibly uninitialised where they are
// inlined, a known false positive of its flow analysis.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/multiprecision/cpp_int.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace rt {

// Big whole numbers and fractions, without expression templates: every
// operation gives a plain value, with no temporaries that outlive it.
using BigInteger =
    boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>, boost::multiprecision::et_off>;
using BigRational = boost::multiprecision::number<
    boost::multiprecision::rational_adaptor<boost::multiprecision::cpp_int_backend<>>,
    boost::multiprecision::et_off>;

// A decimal number computed as a student's calculator would with unlimited
// digits: sums, differences and products are exact; a quotient or a square
// root that does not terminate is cut after `kSignificant` significant
// digits and marked inexact. The worked solution redoes every printed step
// with it, to tell "=" from "≈" and to know the digits a step really gives.
//
// An inexact value is the true one cut towards zero: the true value lies
// beyond it by less than a unit of its last digit, so rounding it half away
// from zero at any earlier digit gives the true value's rounding.
// The decimal digits of a whole number n ≥ 0 ("0" for 0), written without
// Boost's stream formatting, which would bring the locale machinery into the
// WebAssembly module.
std::string DecimalDigits(BigInteger n);

class ExactDecimal {
 public:
  static constexpr int kSignificant = 40;

  ExactDecimal() = default;
  static ExactDecimal OfInteger(long long value);
  static ExactDecimal OfInteger(const BigInteger& value);
  // The exact value of a binary double: 0.1 is 0.1000000000000000055511...
  static ExactDecimal OfDouble(double value);
  // A plain decimal in ASCII: optional "-", digits, optional "." and digits,
  // optional exponent ("3.2", "-0.5", "1e-8"). Nothing else.
  static std::optional<ExactDecimal> Parse(std::string_view text);

  // The value as a fraction, exactly.
  BigRational ToRational() const;
  // The nearest double, as the program would read the value's digits.
  double ToDouble() const;

  bool exact() const { return exact_; }
  bool IsZero() const { return mantissa_.is_zero(); }
  bool IsNegative() const { return mantissa_.sign() < 0; }
  // The power of ten of the first significant digit (3 for 1234.5, -2 for
  // 0.05); meaningless for zero.
  int LeadingPower() const { return exponent_ + DigitCount() - 1; }
  // Digits after the decimal point of the value as it stands (0 for 1200).
  int Decimals() const { return exponent_ < 0 ? -exponent_ : 0; }

  ExactDecimal operator-() const;
  friend ExactDecimal operator+(const ExactDecimal& x, const ExactDecimal& y);
  friend ExactDecimal operator-(const ExactDecimal& x, const ExactDecimal& y);
  friend ExactDecimal operator*(const ExactDecimal& x, const ExactDecimal& y);
  // Empty when dividing by zero.
  friend std::optional<ExactDecimal> Divide(const ExactDecimal& x, const ExactDecimal& y);
  // Empty for a negative radicand.
  friend std::optional<ExactDecimal> SquareRoot(const ExactDecimal& x);

  // Rounded half away from zero to `decimals` digits after the point, or to
  // `significant` significant digits. The result counts as exact: it is the
  // number that gets printed.
  ExactDecimal RoundedToDecimals(int decimals) const;
  ExactDecimal RoundedToSignificant(int significant) const;

  // -1, 0 or 1; an inexact value compares by its digits.
  friend int Compare(const ExactDecimal& x, const ExactDecimal& y);
  friend bool operator==(const ExactDecimal& x, const ExactDecimal& y) { return Compare(x, y) == 0; }

  // The magnitude's digits in positional notation, with at least
  // `decimals` digits after the point ("0.50" for 0.5 and 2), a "." as the
  // point and no sign; without a fraction, no point.
  std::string PlainDigits(int decimals = 0) const;

 private:
  using Integer = BigInteger;

  Integer mantissa_;  // signed, with no zero at its end; 0 for zero
  int exponent_ = 0;  // the value is mantissa x 10^exponent
  bool exact_ = true;

  int DigitCount() const;  // of the mantissa's magnitude; 0 for zero
  void Normalise();
  void CutTo(int significant);  // drops digits beyond `significant`, marking the value inexact
};

}  // namespace rt
