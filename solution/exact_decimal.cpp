#include "solution/exact_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace rt {
namespace {

// Natural numbers as decimal digit strings, most significant first, without
// leading zeros; "" is zero. The numbers of a worked solution have a few
// dozen digits, so schoolbook arithmetic is all they need.
using Natural = std::string;

void StripLeadingZeros(Natural& n) { n.erase(0, std::min(n.find_first_not_of('0'), n.size())); }

int CompareNatural(const Natural& x, const Natural& y) {
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  const int order = x.compare(y);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

Natural AddNatural(const Natural& x, const Natural& y) {
  Natural sum;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(x.size(), y.size()) || carry != 0; ++i) {
    const int dx = i < x.size() ? x[x.size() - 1 - i] - '0' : 0;
    const int dy = i < y.size() ? y[y.size() - 1 - i] - '0' : 0;
    const int d = dx + dy + carry;
    sum.push_back(static_cast<char>('0' + d % 10));
    carry = d / 10;
  }
  std::reverse(sum.begin(), sum.end());
  StripLeadingZeros(sum);
  return sum;
}

// x - y for x >= y.
Natural SubtractNatural(const Natural& x, const Natural& y) {
  Natural difference = x;
  int borrow = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const std::size_t at = x.size() - 1 - i;
    int d = (x[at] - '0') - borrow - (i < y.size() ? y[y.size() - 1 - i] - '0' : 0);
    borrow = d < 0 ? 1 : 0;
    if (d < 0) d += 10;
    difference[at] = static_cast<char>('0' + d);
  }
  StripLeadingZeros(difference);
  return difference;
}

Natural MultiplyNatural(const Natural& x, const Natural& y) {
  if (x.empty() || y.empty()) return {};
  std::vector<std::uint32_t> columns(x.size() + y.size(), 0);
  for (std::size_t i = 0; i < x.size(); ++i) {
    for (std::size_t j = 0; j < y.size(); ++j) {
      columns[i + j + 1] += static_cast<std::uint32_t>((x[i] - '0') * (y[j] - '0'));
    }
  }
  for (std::size_t k = columns.size() - 1; k > 0; --k) {
    columns[k - 1] += columns[k] / 10;
    columns[k] %= 10;
  }
  Natural product;
  for (const std::uint32_t d : columns) product.push_back(static_cast<char>('0' + d));
  StripLeadingZeros(product);
  return product;
}

Natural MultiplySmall(const Natural& x, int factor) { return MultiplyNatural(x, std::to_string(factor)); }

Natural Shifted(Natural x, std::size_t zeros) {
  if (!x.empty()) x.append(zeros, '0');
  return x;
}

// The quotient of x / y (y not zero), and the remainder.
Natural DivideNatural(const Natural& x, const Natural& y, Natural& remainder) {
  Natural quotient;
  remainder.clear();
  for (const char digit : x) {
    remainder.push_back(digit);
    StripLeadingZeros(remainder);
    char q = '0';
    while (CompareNatural(remainder, y) >= 0) {
      remainder = SubtractNatural(remainder, y);
      ++q;
    }
    quotient.push_back(q);
  }
  StripLeadingZeros(quotient);
  return quotient;
}

// The integer square root of x, digit by digit as on paper, and the
// remainder x - root².
Natural SquareRootNatural(Natural x, Natural& remainder) {
  if (x.size() % 2 == 1) x.insert(0, 1, '0');
  Natural root;
  remainder.clear();
  for (std::size_t i = 0; i < x.size(); i += 2) {
    remainder = AddNatural(Shifted(remainder, 2), x.substr(i, 2));
    const Natural base = MultiplySmall(root, 20);
    int digit = 9;
    Natural step;
    for (; digit > 0; --digit) {
      step = MultiplySmall(AddNatural(base, std::to_string(digit)), digit);
      if (CompareNatural(step, remainder) <= 0) break;
    }
    if (digit > 0) remainder = SubtractNatural(remainder, step);
    root = AddNatural(Shifted(root, 1), std::to_string(digit));
  }
  return root;
}

// Every digit of an inexact sum or product beyond these is noise.
constexpr int kInexactDigits = ExactDecimal::kSignificant + 20;

}  // namespace

ExactDecimal ExactDecimal::OfInteger(long long value) {
  ExactDecimal result;
  result.negative_ = value < 0;
  const unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  result.digits_ = magnitude == 0 ? "" : std::to_string(magnitude);
  result.Normalise();
  return result;
}

ExactDecimal ExactDecimal::OfDouble(double value) {
  ExactDecimal result;
  if (value == 0 || !std::isfinite(value)) return result;
  result.negative_ = value < 0;
  int binary_exponent = 0;
  // value = mantissa x 2^(binary_exponent - 53), with a whole 53-bit mantissa.
  const double fraction = std::frexp(std::fabs(value), &binary_exponent);
  const auto mantissa = static_cast<long long>(std::ldexp(fraction, 53));
  binary_exponent -= 53;
  Natural digits = std::to_string(mantissa);
  if (binary_exponent >= 0) {
    for (int i = 0; i < binary_exponent; ++i) digits = MultiplySmall(digits, 2);
  } else {
    // m / 2^k = m x 5^k / 10^k.
    for (int i = 0; i < -binary_exponent; ++i) digits = MultiplySmall(digits, 5);
    result.exponent_ = binary_exponent;
  }
  result.digits_ = digits;
  result.Normalise();
  return result;
}

std::optional<ExactDecimal> ExactDecimal::Parse(std::string_view text) {
  ExactDecimal result;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    result.negative_ = true;
    ++i;
  }
  bool any_digit = false;
  bool after_point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      result.digits_.push_back(c);
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
  StripLeadingZeros(result.digits_);
  result.Normalise();
  return result;
}

void ExactDecimal::Normalise() {
  StripLeadingZeros(digits_);
  const std::size_t last = digits_.find_last_not_of('0');
  if (last == std::string::npos) {
    digits_.clear();
    exponent_ = 0;
    negative_ = false;
    return;
  }
  exponent_ += static_cast<int>(digits_.size() - 1 - last);
  digits_.resize(last + 1);
}

void ExactDecimal::CutTo(int significant) {
  if (static_cast<int>(digits_.size()) <= significant) return;
  const auto dropped = digits_.size() - static_cast<std::size_t>(significant);
  if (digits_.find_first_not_of('0', static_cast<std::size_t>(significant)) != std::string::npos)
    exact_ = false;
  digits_.resize(static_cast<std::size_t>(significant));
  exponent_ += static_cast<int>(dropped);
  Normalise();
}

ExactDecimal ExactDecimal::operator-() const {
  ExactDecimal result = *this;
  result.negative_ = !negative_ && !IsZero();
  return result;
}

ExactDecimal operator+(const ExactDecimal& x, const ExactDecimal& y) {
  if (x.IsZero()) return y;
  if (y.IsZero()) return x;
  const int exponent = std::min(x.exponent_, y.exponent_);
  const Natural xs = Shifted(x.digits_, static_cast<std::size_t>(x.exponent_ - exponent));
  const Natural ys = Shifted(y.digits_, static_cast<std::size_t>(y.exponent_ - exponent));
  ExactDecimal result;
  result.exponent_ = exponent;
  result.exact_ = x.exact_ && y.exact_;
  if (x.negative_ == y.negative_) {
    result.digits_ = AddNatural(xs, ys);
    result.negative_ = x.negative_;
  } else if (CompareNatural(xs, ys) >= 0) {
    result.digits_ = SubtractNatural(xs, ys);
    result.negative_ = x.negative_;
  } else {
    result.digits_ = SubtractNatural(ys, xs);
    result.negative_ = y.negative_;
  }
  result.Normalise();
  if (!result.exact_) result.CutTo(kInexactDigits);
  return result;
}

ExactDecimal operator-(const ExactDecimal& x, const ExactDecimal& y) { return x + (-y); }

ExactDecimal operator*(const ExactDecimal& x, const ExactDecimal& y) {
  ExactDecimal result;
  result.digits_ = MultiplyNatural(x.digits_, y.digits_);
  result.exponent_ = x.exponent_ + y.exponent_;
  result.negative_ = x.negative_ != y.negative_;
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
  const int wanted = ExactDecimal::kSignificant + 1 + static_cast<int>(y.digits_.size());
  const auto zeros = static_cast<std::size_t>(std::max(0, wanted - static_cast<int>(x.digits_.size())));
  Natural remainder;
  result.digits_ = DivideNatural(Shifted(x.digits_, zeros), y.digits_, remainder);
  result.exponent_ = x.exponent_ - y.exponent_ - static_cast<int>(zeros);
  result.negative_ = x.negative_ != y.negative_;
  result.exact_ = remainder.empty() && x.exact_ && y.exact_;
  result.Normalise();
  if (!result.exact_) result.CutTo(ExactDecimal::kSignificant);
  return result;
}

std::optional<ExactDecimal> SquareRoot(const ExactDecimal& x) {
  if (x.IsNegative()) return std::nullopt;
  ExactDecimal result;
  if (x.IsZero()) return result;
  Natural digits = x.digits_;
  int exponent = x.exponent_;
  if (exponent % 2 != 0) {
    digits.push_back('0');
    --exponent;
  }
  // Enough pairs of zeros that the root has a digit more than is kept.
  const int wanted = 2 * (ExactDecimal::kSignificant + 1);
  const int pairs = std::max(0, (wanted - static_cast<int>(digits.size()) + 1) / 2);
  Natural remainder;
  result.digits_ = SquareRootNatural(Shifted(digits, 2 * static_cast<std::size_t>(pairs)), remainder);
  result.exponent_ = (exponent - 2 * pairs) / 2;
  result.exact_ = remainder.empty() && x.exact_;
  result.Normalise();
  if (!result.exact_) result.CutTo(ExactDecimal::kSignificant);
  return result;
}

ExactDecimal ExactDecimal::RoundedToDecimals(int decimals) const {
  ExactDecimal result = *this;
  result.exact_ = true;
  const int position = -decimals;
  if (IsZero() || exponent_ >= position) return result;
  const int keep = static_cast<int>(digits_.size()) - (position - exponent_);
  Natural kept = keep > 0 ? digits_.substr(0, static_cast<std::size_t>(keep)) : Natural();
  const char next =
      keep >= 0 && keep < static_cast<int>(digits_.size()) ? digits_[static_cast<std::size_t>(keep)] : '0';
  if (next >= '5') kept = AddNatural(kept, "1");
  result.digits_ = kept;
  result.exponent_ = position;
  result.Normalise();
  return result;
}

ExactDecimal ExactDecimal::RoundedToSignificant(int significant) const {
  if (IsZero()) return *this;
  return RoundedToDecimals(significant - 1 - LeadingPower());
}

int Compare(const ExactDecimal& x, const ExactDecimal& y) {
  const int sx = x.IsZero() ? 0 : (x.negative_ ? -1 : 1);
  const int sy = y.IsZero() ? 0 : (y.negative_ ? -1 : 1);
  if (sx != sy) return sx < sy ? -1 : 1;
  if (sx == 0) return 0;
  int magnitude = 0;
  if (x.LeadingPower() != y.LeadingPower()) {
    magnitude = x.LeadingPower() < y.LeadingPower() ? -1 : 1;
  } else {
    const std::size_t length = std::max(x.digits_.size(), y.digits_.size());
    Natural xs = x.digits_;
    Natural ys = y.digits_;
    xs.resize(length, '0');
    ys.resize(length, '0');
    magnitude = CompareNatural(xs, ys);
  }
  return sx * magnitude;
}

std::string ExactDecimal::PlainDigits(int decimals) const {
  const int shown = std::max(decimals, Decimals());
  // All digits at a common scale of 10^-shown.
  Natural all = IsZero()
                    ? Natural()
                    : Shifted(digits_, static_cast<std::size_t>(exponent_) + static_cast<std::size_t>(shown));
  if (static_cast<int>(all.size()) <= shown)
    all.insert(0, static_cast<std::size_t>(shown + 1) - all.size(), '0');
  std::string text = all.substr(0, all.size() - static_cast<std::size_t>(shown));
  if (shown > 0) text += "." + all.substr(all.size() - static_cast<std::size_t>(shown));
  return text;
}

}  // namespace rt
