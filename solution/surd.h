#pragma once

#include <array>
#include <map>
#include <optional>
#include <utility>

#include "model/quantity.h"
#include "solution/exact_decimal.h"

namespace rt {

// A sum of terms coefficient · √radicand, each radicand a square-free whole
// number (1 for the rational part): the numbers a school writes exactly,
// 5√2, 144/13, (√61 − 3)/2.
struct Surd {
  std::map<BigInteger, BigRational> terms;

  static Surd Of(const BigRational& coefficient, const BigInteger& radicand = 1);
  void Add(const BigInteger& radicand, const BigRational& coefficient);
  // The sign of a sum of at most two terms, exactly; of a longer sum, from
  // its value to 40 digits.
  int Sign() const;
  // The value, to ExactDecimal's digits.
  ExactDecimal Approximately() const;
  friend bool operator==(const Surd& x, const Surd& y) { return x.terms == y.terms; }
};

// A value in that arithmetic; none where it leaves it (a root that does not
// denest, a division by three terms) or has no value (a division by zero,
// the root of a negative number).
using SurdValue = std::optional<Surd>;

namespace surd {
SurdValue Add(const SurdValue& x, const SurdValue& y);
SurdValue Negate(const SurdValue& x);
SurdValue Sub(const SurdValue& x, const SurdValue& y);
SurdValue Mul(const SurdValue& x, const SurdValue& y);
SurdValue Div(const SurdValue& x, const SurdValue& y);
SurdValue Sqrt(const SurdValue& x);
}  // namespace surd

// n = root² · rest with `rest` square-free, for n ≥ 1; nullopt where n is
// too large to be sure.
std::optional<std::pair<BigInteger, BigInteger>> SquareFreeSplit(BigInteger n);

// Euclid's, on values (Boost's own gcd hands back an expression object).
BigInteger Gcd(BigInteger x, BigInteger y);

// The six lengths of the row's triangle as surds, from the row's own
// formulas with no rounding at all: each none where it leaves the
// arithmetic. All none where the givens are not exact.
std::array<SurdValue, kQuantityCount> SurdLengths(int listIndex, const ExactDecimal& first,
                                                  const ExactDecimal& second);

}  // namespace rt
