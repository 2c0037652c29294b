#include "solution/exact_form.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "solution/solution_numbers.h"
#include "solution/surd.h"

namespace rt {
namespace {

using Integer = BigInteger;
using Rational = BigRational;

Integer Lcm(const Integer& x, const Integer& y) { return x / Gcd(x, y) * y; }

std::string Text(const Integer& n) { return (n < 0 ? "−" : "") + DecimalDigits(abs(n)); }

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
  return ExactFormsOfSurds(SurdLengths(listIndex, first, second), settings);
}

std::array<std::string, kQuantityCount> ExactFormsOfSurds(const std::array<SurdValue, kQuantityCount>& values,
                                                          const RegionalSettings& settings) {
  std::array<std::string, kQuantityCount> forms;
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
