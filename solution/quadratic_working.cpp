#include "solution/quadratic_working.h"

#include <string>

#include "model/triangle_rows.h"
#include "solution/solution_numbers.h"

namespace rt {
namespace {

constexpr int kBoxDecimals = 7;

// One of the three equations x² + p·x + q = 0, in words.
struct QuadraticWords {
  const char* origin;        // how it follows from the relations
  const char* withNumbers;   // the equation, each "#" a number: p, then q
  const char* discriminant;  // with the same numbers and its value
  const char* roots;         // the roots' formula, with p and D
};

// The words of the row's equation; its coefficients come from the row.
const QuadraticWords* WordsOfRow(int listIndex) {
  static const QuadraticWords kA1 = {
      "От a² = a1·c и c = a1 + b1 следва a² = a1·(a1 + b1), т.е. квадратното уравнение "
      "a1² + b1·a1 − a² = 0:",
      "a1² + #·a1 − # = 0", "D = b1² + 4·a² = #² + 4·#² = #", "a1 = (−b1 ± √D)/2 = (−# ± √#)/2"};
  static const QuadraticWords kB1 = {
      "От b² = b1·c и c = a1 + b1 следва b² = b1·(a1 + b1), т.е. квадратното уравнение "
      "b1² + a1·b1 − b² = 0:",
      "b1² + #·b1 − # = 0", "D = a1² + 4·b² = #² + 4·#² = #", "b1 = (−a1 ± √D)/2 = (−# ± √#)/2"};
  static const QuadraticWords kB1FromC = {
      "От hc² = a1·b1 и a1 = c − b1 следва hc² = (c − b1)·b1, т.е. квадратното "
      "уравнение b1² − c·b1 + hc² = 0:",
      "b1² − #·b1 + # = 0", "D = c² − 4·hc² = #² − 4·#² = #", "b1 = (c ± √D)/2 = (# ± √#)/2"};
  switch (RowOf(listIndex).steps[0].relation) {
    case Relation::QuadraticForA1: return &kA1;
    case Relation::QuadraticForB1: return &kB1;
    case Relation::QuadraticForB1FromC: return &kB1FromC;
    default: return nullptr;
  }
}

}  // namespace

std::vector<MathText> QuadraticWorking(int listIndex,
                                       const std::array<std::optional<ExactDecimal>, kQuantityCount>& typed,
                                       bool fails, const RegionalSettings& settings) {
  const auto& row_quadratic = RowOf(listIndex).quadratic;
  const QuadraticWords* quadratic = WordsOfRow(listIndex);
  if (!row_quadratic || quadratic == nullptr) return {};
  const auto& p = typed[static_cast<std::size_t>(row_quadratic->linear)];
  const auto& k = typed[static_cast<std::size_t>(row_quadratic->constant)];
  const bool minus = row_quadratic->minus;
  if (!p || !k) return {};
  const auto number = [&settings](const ExactDecimal& v) { return ShortSolutionNumber(v, settings); };
  // "= 1,96", "≈ 1,9599997", or for a root that seven decimals would show
  // as 0, its first digits: "≈ 1·10⁻¹⁸".
  const auto value_text = [&](const ExactDecimal& v) {
    if (v.exact() && v.Decimals() <= kBoxDecimals) return "= " + number(v);
    if (!v.IsZero() && v.RoundedToDecimals(kBoxDecimals).IsZero())
      return "≈ " + number(v.RoundedToSignificant(4));
    return "≈ " + SolutionNumber(v, kBoxDecimals, settings);
  };
  const auto root_text = [&](const ExactDecimal& v) {
    return std::string(SymbolOf(row_quadratic->unknown)) + " " + value_text(v);
  };

  const ExactDecimal square = *k * *k;
  const ExactDecimal four = ExactDecimal::OfInteger(4);
  const ExactDecimal discriminant = minus ? *p * *p - four * square : *p * *p + four * square;
  std::vector<MathText> lines = {
      ParseMathText(quadratic->origin),
      WithNumbers(quadratic->withNumbers, {number(*p), number(square)}),
      WithNumbers(quadratic->discriminant, {number(*p), number(*k), number(discriminant)}),
  };
  if (discriminant.IsNegative()) {
    lines.push_back(ParseMathText("D < 0: уравнението няма реални корени."));
    return lines;
  }
  if (fails) return lines;

  const ExactDecimal two = ExactDecimal::OfInteger(2);
  const ExactDecimal root = SquareRoot(discriminant).value_or(ExactDecimal());
  if (minus && discriminant.IsZero()) {
    const ExactDecimal half = Divide(*p, two).value_or(ExactDecimal());
    lines.push_back(WithNumbers("D = 0: уравнението има един двоен корен b1 = c/2 = #/2 = #.",
                                {number(*p), number(half)}));
    lines.push_back(ParseMathText("Триъгълникът е равнобедрен: a1 = b1 и a = b."));
    return lines;
  }
  lines.push_back(WithNumbers(quadratic->roots, {number(*p), number(discriminant)}));
  const ExactDecimal larger = Divide(minus ? *p + root : root - *p, two).value_or(ExactDecimal());
  const ExactDecimal smaller = Divide(minus ? *p - root : -*p - root, two).value_or(ExactDecimal());
  lines.push_back(ParseMathText(root_text(larger) + " или " + root_text(smaller)));
  if (minus) {
    lines.push_back(
        ParseMathText("И двата корена са положителни: те дават един и същ триъгълник, в който другият корен "
                      "е a1, а катетите a и "
                      "b си разменят имената. Избираме по-големия корен за b1 (тогава b ≥ a)."));
  } else {
    // The rejected root by its value where that is short: "коренът −25".
    const bool short_root = smaller.exact() && smaller.Decimals() <= kBoxDecimals;
    const std::string rejected = short_root ? "коренът " + number(smaller) : "отрицателният корен";
    lines.push_back(ParseMathText("Дължината е положителна, затова " + root_text(larger) + "; " + rejected +
                                  " не е решение."));
  }
  return lines;
}

}  // namespace rt
