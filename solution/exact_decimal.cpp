#include "solution/exact_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "runtime/number_reading.h"

namespace rt {
namespace {

using Integer = BigInteger;

Integer PowerOfTen(int exponent) {
  return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// Every digit of an inexact sum or product beyond these is noise.
constexpr int kInexactDigits = ExactDecimal::kSignificant + 20;

}  // namespace

// Eighteen digits at a time.
std::string DecimalDigits(BigInteger n) {
  static const BigInteger kChunk = boost::multiprecision::pow(BigInteger(10), 18U);
  std::vector<std::uint64_t> chunks;
  do {
    BigInteger rest;
    boost::multiprecision::divide_qr(BigInteger(n), kChunk, n, rest);
    chunks.push_back(rest.convert_to<std::uint64_t>());
  } while (!n.is_zero());
  std::string digits = std::to_string(chunks.back());
  for (auto chunk = chunks.rbegin() + 1; chunk != chunks.rend(); ++chunk) {
    const std::string part = std::to_string(*chunk);
    digits.append(18 - part.size(), '0').append(part);
  }
  return digits;
}

int ExactDecimal::DigitCount() const {
  if (mantissa_.is_zero()) return 0;
  // The binary length gives the decimal one to within one digit.
  const auto bits = static_cast<double>(boost::multiprecision::msb(abs(mantissa_)) + 1);
  int digits = std::max(1, static_cast<int>((bits - 1) * 0.30102999566398120));
  while (abs(mantissa_) >= PowerOfTen(digits)) ++digits;
  return digits;
}

ExactDecimal ExactDecimal::OfInteger(long long value) {
  ExactDecimal result;
  result.mantissa_ = value;
  result.Normalise();
  return result;
}

ExactDecimal ExactDecimal::OfInteger(const BigInteger& value) {
  ExactDecimal result;
  result.mantissa_ = value;
  result.Normalise();
  return result;
}

BigRational ExactDecimal::ToRational() const {
  if (exponent_ >= 0) return BigRational(mantissa_ * PowerOfTen(exponent_));
  return BigRational(mantissa_, PowerOfTen(-exponent_));
}

double ExactDecimal::ToDouble() const {
  if (IsZero()) return 0;
  std::string text = IsNegative() ? "-" : "";
  text += DecimalDigits(boost::multiprecision::abs(mantissa_)) + "e" + std::to_string(exponent_);
  return ReadNumber(text, RegionalSettings::Posix()).value;
}

ExactDecimal ExactDecimal::OfDouble(double value) {
  ExactDecimal result;
  if (value == 0 || !std::isfinite(value)) return result;
  int binary_exponent = 0;
  // value = mantissa x 2^(binary_exponent - 53), with a whole 53-bit mantissa.
  const double fraction = std::frexp(std::fabs(value), &binary_exponent);
  result.mantissa_ = static_cast<long long>(std::ldexp(fraction, 53));
  binary_exponent -= 53;
  if (binary_exponent >= 0) {
    result.mantissa_ <<= binary_exponent;
  } else {
    // m / 2^k = m x 5^k / 10^k.
    result.mantissa_ *= boost::multiprecision::pow(Integer(5), static_cast<unsigned>(-binary_exponent));
    result.exponent_ = binary_exponent;
  }
  if (value < 0) result.mantissa_ = -result.mantissa_;
  result.Normalise();
  return result;
}

std::optional<ExactDecimal> ExactDecimal::Parse(std::string_view text) {
  ExactDecimal result;
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  bool any_digit = false;
  bool after_point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      result.mantissa_ = result.mantissa_ * 10 + (c - '0');
      if (after_point) --result.exponent_;
      any_digit = true;
    } else if (c == '.' && !after_point) {
      after_point = true;
    } else {
      break;
    }
  }
  if (!any_digit) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative_exponent = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative_exponent = text[i++] == '-';
    int exponent = 0;
    bool exponent_digit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && exponent < 100000; ++i) {
      exponent = exponent * 10 + (text[i] - '0');
      exponent_digit = true;
    }
    if (!exponent_digit) return std::nullopt;
    result.exponent_ += negative_exponent ? -exponent : exponent;
  }
  if (i != text.size()) return std::nullopt;
  if (negative) result.mantissa_ = -result.mantissa_;
  result.Normalise();
  return result;
}

void ExactDecimal::Normalise() {
  if (mantissa_.is_zero()) {
    exponent_ = 0;
    return;
  }
  while (boost::multiprecision::lsb(abs(mantissa_)) >= 1 && mantissa_ % 10 == 0) {
    mantissa_ /= 10;
    ++exponent_;
  }
}

void ExactDecimal::CutTo(int significant) {
  const int digits = DigitCount();
  if (digits <= significant) return;
  const int dropped = digits - significant;
  Integer remainder;
  boost::multiprecision::divide_qr(Integer(mantissa_), PowerOfTen(dropped), mantissa_, remainder);
  if (!remainder.is_zero()) exact_ = false;
  exponent_ += dropped;
  Normalise();
}

ExactDecimal ExactDecimal::operator-() const {
  ExactDecimal result = *this;
  result.mantissa_ = -mantissa_;
  return result;
}

ExactDecimal operator+(const ExactDecimal& x, const ExactDecimal& y) {
  if (x.IsZero()) return y;
  if (y.IsZero()) return x;
  const int exponent = std::min(x.exponent_, y.exponent_);
  ExactDecimal result;
  result.mantissa_ =
      x.mantissa_ * PowerOfTen(x.exponent_ - exponent) + y.mantissa_ * PowerOfTen(y.exponent_ - exponent);
  result.exponent_ = exponent;
  result.exact_ = x.exact_ && y.exact_;
  result.Normalise();
  if (!result.exact_) result.CutTo(kInexactDigits);
  return result;
}

ExactDecimal operator-(const ExactDecimal& x, const ExactDecimal& y) { return x + (-y); }

ExactDecimal operator*(const ExactDecimal& x, const ExactDecimal& y) {
  ExactDecimal result;
  result.mantissa_ = x.mantissa_ * y.mantissa_;
  result.exponent_ = x.exponent_ + y.exponent_;
  result.exact_ = x.exact_ && y.exact_;
  result.Normalise();
  if (!result.exact_) result.CutTo(kInexactDigits);
  return result;
}

std::optional<ExactDecimal> Divide(const ExactDecimal& x, const ExactDecimal& y) {
  if (y.IsZero()) return std::nullopt;
  ExactDecimal result;
  if (x.IsZero()) return result;
  // Enough zeros that the quotient has a digit more than is kept.
  const int wanted = ExactDecimal::kSignificant + 1 + y.DigitCount();
  const int zeros = std::max(0, wanted - x.DigitCount());
  ExactDecimal::Integer remainder;
  boost::multiprecision::divide_qr(ExactDecimal::Integer(x.mantissa_ * PowerOfTen(zeros)), y.mantissa_,
                                   result.mantissa_, remainder);
  result.exponent_ = x.exponent_ - y.exponent_ - zeros;
  result.exact_ = remainder.is_zero() && x.exact_ && y.exact_;
  result.Normalise();
  if (!result.exact_) result.CutTo(ExactDecimal::kSignificant);
  return result;
}

std::optional<ExactDecimal> SquareRoot(const ExactDecimal& x) {
  if (x.IsNegative()) return std::nullopt;
  ExactDecimal result;
  if (x.IsZero()) return result;
  ExactDecimal::Integer radicand = x.mantissa_;
  int exponent = x.exponent_;
  int digits = x.DigitCount();
  if (exponent % 2 != 0) {
    radicand *= 10;
    --exponent;
    ++digits;
  }
  // Enough pairs of zeros that the root has a digit more than is kept.
  const int wanted = 2 * (ExactDecimal::kSignificant + 1);
  const int pairs = std::max(0, (wanted - digits + 1) / 2);
  ExactDecimal::Integer remainder;
  result.mantissa_ =
      boost::multiprecision::sqrt(ExactDecimal::Integer(radicand * PowerOfTen(2 * pairs)), remainder);
  result.exponent_ = (exponent - 2 * pairs) / 2;
  result.exact_ = remainder.is_zero() && x.exact_;
  result.Normalise();
  if (!result.exact_) result.CutTo(ExactDecimal::kSignificant);
  return result;
}

ExactDecimal ExactDecimal::RoundedToDecimals(int decimals) const {
  ExactDecimal result = *this;
  result.exact_ = true;
  const int position = -decimals;
  if (IsZero() || exponent_ >= position) return result;
  // Half away from zero: the dropped part is compared with half a unit.
  const Integer unit = PowerOfTen(position - exponent_);
  Integer kept;
  Integer dropped;
  boost::multiprecision::divide_qr(Integer(abs(mantissa_)), unit, kept, dropped);
  if (2 * dropped >= unit) ++kept;
  result.mantissa_ = IsNegative() ? Integer(-kept) : kept;
  result.exponent_ = position;
  result.Normalise();
  return result;
}

ExactDecimal ExactDecimal::RoundedToSignificant(int significant) const {
  if (IsZero()) return *this;
  return RoundedToDecimals(significant - 1 - LeadingPower());
}

int Compare(const ExactDecimal& x, const ExactDecimal& y) {
  const int sx = x.mantissa_.sign();
  const int sy = y.mantissa_.sign();
  if (sx != sy) return sx < sy ? -1 : 1;
  if (sx == 0) return 0;
  // Far apart in size: the leading powers decide without scaling.
  if (x.LeadingPower() != y.LeadingPower()) return sx * (x.LeadingPower() < y.LeadingPower() ? -1 : 1);
  const int exponent = std::min(x.exponent_, y.exponent_);
  const ExactDecimal::Integer xs = x.mantissa_ * PowerOfTen(x.exponent_ - exponent);
  const ExactDecimal::Integer ys = y.mantissa_ * PowerOfTen(y.exponent_ - exponent);
  return xs < ys ? -1 : (xs > ys ? 1 : 0);
}

std::string ExactDecimal::PlainDigits(int decimals) const {
  const int shown = std::max(decimals, Decimals());
  // All digits at a common scale of 10^-shown.
  std::string all = IsZero() ? std::string() : DecimalDigits(abs(mantissa_) * PowerOfTen(exponent_ + shown));
  if (static_cast<int>(all.size()) <= shown)
    all.insert(0, static_cast<std::size_t>(shown + 1) - all.size(), '0');
  std::string text = all.substr(0, all.size() - static_cast<std::size_t>(shown));
  if (shown > 0) text += "." + all.substr(all.size() - static_cast<std::size_t>(shown));
  return text;
}

}  // namespace rt
