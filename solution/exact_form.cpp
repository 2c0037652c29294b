#include "solution/exact_form.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <map>
#include <utility>
#include <vector>

#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "solution/exact_triangle.h"
#include "solution/solution_numbers.h"

namespace rt {
namespace {

using Integer = BigInteger;
using Rational = BigRational;

// Radicands beyond this many digits give forms far longer than any shown.
constexpr int kMostRadicandDigits = 50;
// Trial division finds every prime factor below this bound; a rest below
// its cube then has at most two prime factors.
constexpr unsigned kTrialBound = 100000;

// Euclid's, on values (Boost's own gcd hands back an expression object).
Integer Gcd(Integer x, Integer y) {
  while (y != 0) {
    Integer rest = x % y;
    x = std::move(y);
    y = std::move(rest);
  }
  return abs(x);
}

Integer Lcm(const Integer& x, const Integer& y) { return x / Gcd(x, y) * y; }

int Digits(const Integer& n) { return static_cast<int>(DecimalDigits(abs(n)).size()); }

std::string Text(const Integer& n) { return (n < 0 ? "−" : "") + DecimalDigits(abs(n)); }

// n = root² · rest with `rest` square-free, for n ≥ 1; nullopt where n is
// too large to be sure.
std::optional<std::pair<Integer, Integer>> SquareFreeSplit(Integer n) {
  if (Digits(n) > kMostRadicandDigits) return std::nullopt;
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

// A sum of terms coefficient · √radicand, each radicand square-free (1 for
// the rational part).
struct Surd {
  std::map<Integer, Rational> terms;

  static Surd Of(const Rational& coefficient, const Integer& radicand = 1) {
    Surd s;
    if (coefficient != 0) s.terms[radicand] = coefficient;
    return s;
  }
  void Add(const Integer& radicand, const Rational& coefficient) {
    Rational& c = terms[radicand];
    c += coefficient;
    if (c == 0) terms.erase(radicand);
  }
  // The sign of a sum of at most two terms, exactly: x√n + y√m with x, y
  // of opposite signs has the sign of the larger of x²n and y²m.
  int Sign() const {
    if (terms.empty()) return 0;
    const auto& [n, x] = *terms.begin();
    if (terms.size() == 1) return x.sign();
    const auto& [m, y] = *terms.rbegin();
    if (x.sign() == y.sign()) return x.sign();
    const Rational left = x * x * n;
    const Rational right = y * y * m;
    return left == right ? 0 : (left > right ? x.sign() : y.sign());
  }
};

using Value = std::optional<Surd>;

struct SurdArithmetic {
  const std::array<Value, kQuantityCount>& lengths;  // the given ones, then each as it is computed

  Value Length(Quantity q) const { return lengths[static_cast<std::size_t>(q)]; }
  static Value Number(int n) { return Surd::Of(n); }
  static Value Add(const Value& x, const Value& y) {
    if (!x || !y) return {};
    Surd sum = *x;
    for (const auto& [n, c] : y->terms) sum.Add(n, c);
    return sum;
  }
  static Value Negate(const Value& x) {
    if (!x) return {};
    Surd negated;
    for (const auto& [n, c] : x->terms) negated.terms[n] = -c;
    return negated;
  }
  static Value Sub(const Value& x, const Value& y) { return Add(x, Negate(y)); }
  static Value Mul(const Value& x, const Value& y) {
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
  static Value Div(const Value& x, const Value& y) {
    if (!x || !y || y->terms.empty() || y->terms.size() > 2) return {};
    // Rationalise: multiply by the conjugate of a two-term denominator.
    Surd conjugate = *y;
    if (conjugate.terms.size() == 2) conjugate.terms.rbegin()->second *= -1;
    const Value denominator = Mul(y, conjugate);
    if (!denominator || denominator->terms.size() != 1) return {};
    const auto& [n, c] = *denominator->terms.begin();
    // (c·√n)⁻¹ = √n / (c·n)
    return Mul(Mul(x, conjugate), Surd::Of(1 / (c * n), n));
  }
  static Value Sqrt(const Value& x) {
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
  static Value SingleSquare(const Value& x) { return Mul(x, x); }
};

bool IsFiniteDecimal(Integer denominator) {
  for (const unsigned p : {2U, 5U}) {
    while (denominator % p == 0) denominator /= p;
  }
  return denominator == 1;
}

std::string RationalText(const Rational& r, const RegionalSettings& settings) {
  const Integer p = numerator(r);
  const Integer q = denominator(r);
  if (IsFiniteDecimal(q)) {
    // Exactly: a quotient with a finite decimal form is not cut.
    const auto value = Divide(ExactDecimal::OfInteger(p), ExactDecimal::OfInteger(q));
    return ShortSolutionNumber(*value, settings);
  }
  return Text(p) + "/" + Text(q);
}

std::string TermText(const Integer& coefficient, const Integer& radicand) {
  const Integer magnitude = abs(coefficient);
  if (radicand == 1) return Text(magnitude);
  return (magnitude == 1 ? std::string() : Text(magnitude)) + "√" + Text(radicand);
}

std::string SurdText(const Surd& s, const RegionalSettings& settings) {
  if (s.terms.empty()) return "0";
  if (s.terms.size() == 1 && s.terms.begin()->first == 1)
    return RationalText(s.terms.begin()->second, settings);
  Integer common = 1;
  for (const auto& [n, c] : s.terms) common = Lcm(common, denominator(c));
  // The rational part first, then by radicand; but a positive term leads
  // a negative one, as a teacher writes √5 − 1.
  std::vector<std::pair<Integer, Integer>> terms;  // whole numerator, radicand
  for (const auto& [n, c] : s.terms) terms.emplace_back(numerator(c) * (common / denominator(c)), n);
  if (terms.size() == 2 && terms[0].first < 0 && terms[1].first > 0) std::swap(terms[0], terms[1]);
  std::string text;
  for (const auto& [whole, n] : terms) {
    if (text.empty()) {
      text = (whole < 0 ? "−" : "") + TermText(whole, n);
    } else {
      text += (whole < 0 ? " − " : " + ") + TermText(whole, n);
    }
  }
  if (common == 1) return text;
  return (s.terms.size() > 1 ? "(" + text + ")" : text) + "/" + Text(common);
}

int Characters(const std::string& utf8) {
  int count = 0;
  for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
  return count;
}

}  // namespace

std::array<std::string, kQuantityCount> ExactForms(int listIndex, const ExactDecimal& first,
                                                   const ExactDecimal& second,
                                                   const RegionalSettings& settings) {
  std::array<std::string, kQuantityCount> forms;
  const auto pair = PairOfListIndex(listIndex);
  if (!pair || !first.exact() || !second.exact() || !DescribesTriangle(listIndex, first, second))
    return forms;
  std::array<Value, kQuantityCount> values{};
  values[static_cast<std::size_t>(pair->first)] = Surd::Of(first.ToRational());
  values[static_cast<std::size_t>(pair->second)] = Surd::Of(second.ToRational());
  SurdArithmetic arithmetic{values};
  for (const RowStep& step : RowOf(listIndex).steps) {
    values[static_cast<std::size_t>(step.quantity)] = EvaluateFormula(step.formula, arithmetic);
  }
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    if (!values[i] || values[i]->terms.size() > 2 || values[i]->Sign() <= 0) continue;
    std::string text = SurdText(*values[i], settings);
    if (Characters(text) <= kMaxExactFormLength) forms[i] = std::move(text);
  }
  return forms;
}

bool IsSurdOrFraction(const std::string& form) {
  return form.find("√") != std::string::npos || form.find('/') != std::string::npos;
}

}  // namespace rt
