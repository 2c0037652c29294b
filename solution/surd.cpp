#include "solution/surd.h"

#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "solution/exact_triangle.h"

namespace rt {
namespace {

using Integer = BigInteger;
using Rational = BigRational;

// Radicands beyond this many digits give forms far longer than any shown.
constexpr int kMostRadicandDigits = 50;
// Trial division finds every prime factor below this bound; a rest below
// its cube then has at most two prime factors.
constexpr unsigned kTrialBound = 100000;

int Digits(const Integer& n) { return static_cast<int>(DecimalDigits(abs(n)).size()); }

// √r for a rational r ≥ 0, as coefficient · √radicand.
std::optional<std::pair<Rational, Integer>> RationalRoot(const Rational& r) {
  if (r < 0) return std::nullopt;
  if (r == 0) return std::pair{Rational(0), Integer(1)};
  const Integer p = numerator(r);
  const Integer q = denominator(r);
  // √(p/q) = √(p·q)/q
  const auto split = SquareFreeSplit(p * q);
  if (!split) return std::nullopt;
  return std::pair{Rational(split->first, q), split->second};
}

ExactDecimal DecimalOf(const Rational& r) {
  return *Divide(ExactDecimal::OfInteger(numerator(r)), ExactDecimal::OfInteger(denominator(r)));
}

struct RowArithmetic {
  const std::array<SurdValue, kQuantityCount>& lengths;  // the given ones, then each as it is computed

  SurdValue Length(Quantity q) const { return lengths[static_cast<std::size_t>(q)]; }
  static SurdValue Number(int n) { return Surd::Of(n); }
  static SurdValue Add(const SurdValue& x, const SurdValue& y) { return surd::Add(x, y); }
  static SurdValue Negate(const SurdValue& x) { return surd::Negate(x); }
  static SurdValue Sub(const SurdValue& x, const SurdValue& y) { return surd::Sub(x, y); }
  static SurdValue Mul(const SurdValue& x, const SurdValue& y) { return surd::Mul(x, y); }
  static SurdValue Div(const SurdValue& x, const SurdValue& y) { return surd::Div(x, y); }
  static SurdValue Sqrt(const SurdValue& x) { return surd::Sqrt(x); }
  static SurdValue SingleSquare(const SurdValue& x) { return surd::Mul(x, x); }
};

}  // namespace

Integer Gcd(Integer x, Integer y) {
  while (y != 0) {
    Integer rest = x % y;
    x = std::move(y);
    y = std::move(rest);
  }
  return abs(x);
}

std::optional<std::pair<Integer, Integer>> SquareFreeSplit(Integer n) {
  if (n < 1 || Digits(n) > kMostRadicandDigits) return std::nullopt;
  Integer root = 1;
  Integer rest = 1;
  unsigned p = 2;
  for (; p < kTrialBound && Integer(p) * p <= n; p += (p == 2 ? 1 : 2)) {
    int times = 0;
    while (n % p == 0) {
      n /= p;
      ++times;
    }
    for (int i = 0; i + 1 < times; i += 2) root *= p;
    if (times % 2 == 1) rest *= p;
  }
  if (n > 1) {
    if (Integer(p) * p > n) {
      rest *= n;  // a prime
    } else {
      const Integer bound = Integer(kTrialBound) * kTrialBound * kTrialBound;
      if (n >= bound) return std::nullopt;
      // No factor below the bound: a prime, two distinct ones or a square.
      const Integer s = boost::multiprecision::sqrt(n);
      if (s * s == n) {
        root *= s;
      } else {
        rest *= n;
      }
    }
  }
  return std::pair{root, rest};
}

Surd Surd::Of(const Rational& coefficient, const Integer& radicand) {
  Surd s;
  if (coefficient != 0) s.terms[radicand] = coefficient;
  return s;
}

void Surd::Add(const Integer& radicand, const Rational& coefficient) {
  Rational& c = terms[radicand];
  c += coefficient;
  if (c == 0) terms.erase(radicand);
}

int Surd::Sign() const {
  if (terms.empty()) return 0;
  if (terms.size() > 2) {
    const ExactDecimal value = Approximately();
    return value.IsZero() ? 0 : (value.IsNegative() ? -1 : 1);
  }
  // x√n + y√m with x, y of opposite signs has the sign of the larger of
  // x²n and y²m.
  const auto& [n, x] = *terms.begin();
  if (terms.size() == 1) return x.sign();
  const auto& [m, y] = *terms.rbegin();
  if (x.sign() == y.sign()) return x.sign();
  const Rational left = x * x * n;
  const Rational right = y * y * m;
  return left == right ? 0 : (left > right ? x.sign() : y.sign());
}

ExactDecimal Surd::Approximately() const {
  ExactDecimal sum;
  for (const auto& [n, c] : terms) {
    const ExactDecimal root = n == 1 ? ExactDecimal::OfInteger(1) : *SquareRoot(ExactDecimal::OfInteger(n));
    sum = sum + DecimalOf(c) * root;
  }
  return sum;
}

namespace surd {

SurdValue Add(const SurdValue& x, const SurdValue& y) {
  if (!x || !y) return {};
  Surd sum = *x;
  for (const auto& [n, c] : y->terms) sum.Add(n, c);
  return sum;
}

SurdValue Negate(const SurdValue& x) {
  if (!x) return {};
  Surd negated;
  for (const auto& [n, c] : x->terms) negated.terms[n] = -c;
  return negated;
}

SurdValue Sub(const SurdValue& x, const SurdValue& y) { return Add(x, Negate(y)); }

SurdValue Mul(const SurdValue& x, const SurdValue& y) {
  if (!x || !y) return {};
  Surd product;
  for (const auto& [n, c] : x->terms) {
    for (const auto& [m, d] : y->terms) {
      // √n·√m = g·√(n/g · m/g) with g = gcd(n, m), both square-free.
      const Integer g = Gcd(n, m);
      product.Add((n / g) * (m / g), c * d * g);
    }
  }
  return product;
}

SurdValue Div(const SurdValue& x, const SurdValue& y) {
  if (!x || !y || y->terms.empty() || y->terms.size() > 2) return {};
  // Rationalise: multiply by the conjugate of a two-term denominator.
  Surd conjugate = *y;
  if (conjugate.terms.size() == 2) conjugate.terms.rbegin()->second *= -1;
  const SurdValue denominator = Mul(y, conjugate);
  if (!denominator || denominator->terms.size() != 1) return {};
  const auto& [n, c] = *denominator->terms.begin();
  // (c·√n)⁻¹ = √n / (c·n)
  return Mul(Mul(x, conjugate), Surd::Of(1 / (c * n), n));
}

SurdValue Sqrt(const SurdValue& x) {
  if (!x) return {};
  if (x->terms.empty()) return Surd();
  const auto rational = x->terms.find(1);
  if (x->terms.size() == 1 && rational != x->terms.end()) {
    const auto root = RationalRoot(rational->second);
    if (!root) return {};
    return Surd::Of(root->first, root->second);
  }
  // √(p + q√n) = √u ± √v where u + v = p and 4uv = q²n: it comes out
  // when p² − q²n is a square.
  if (x->terms.size() != 2 || rational == x->terms.end()) return {};
  const Rational p = rational->second;
  const auto& [n, q] = *x->terms.rbegin();
  const auto d = RationalRoot(p * p - q * q * n);
  if (p <= 0 || !d || d->second != 1) return {};
  const auto u = RationalRoot((p + d->first) / 2);
  const auto v = RationalRoot((p - d->first) / 2);
  if (!u || !v) return {};
  Surd root = Surd::Of(u->first, u->second);
  root.Add(v->second, q > 0 ? v->first : -v->first);
  return root;
}

}  // namespace surd

std::array<SurdValue, kQuantityCount> SurdLengths(int listIndex, const ExactDecimal& first,
                                                  const ExactDecimal& second) {
  std::array<SurdValue, kQuantityCount> values{};
  const auto pair = PairOfListIndex(listIndex);
  if (!pair || !first.exact() || !second.exact() || !DescribesTriangle(listIndex, first, second)) {
    return values;
  }
  values[static_cast<std::size_t>(pair->first)] = Surd::Of(first.ToRational());
  values[static_cast<std::size_t>(pair->second)] = Surd::Of(second.ToRational());
  RowArithmetic arithmetic{values};
  for (const RowStep& step : RowOf(listIndex).steps) {
    values[static_cast<std::size_t>(step.quantity)] = EvaluateFormula(step.formula, arithmetic);
  }
  return values;
}

}  // namespace rt
