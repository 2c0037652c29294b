#include "solution/formula_text.h"

namespace rt {
namespace {

// A written expression, with how tightly it binds, so that the operator
// around it knows whether it needs brackets.
struct Written {
  enum Level { Sum, Product, Negation, Operand };
  std::string text;
  Level level = Operand;
  std::string head;    // of a product: everything before its last factor ("4·" of 4·a)
  std::string factor;  // the last factor, where it is a single length or number
};

std::string Bracketed(const Written& x, Written::Level below) {
  return x.level <= below ? "(" + x.text + ")" : x.text;
}

struct Notation {
  static Written Length(Quantity q) {
    const std::string symbol(SymbolOf(q));
    return {symbol, Written::Operand, "", symbol};
  }
  static Written Number(int n) {
    const std::string digits = std::to_string(n);
    return {digits, Written::Operand, "", digits};
  }
  static Written Add(const Written& x, const Written& y) {
    return {x.text + " + " + Bracketed(y, Written::Sum), Written::Sum, "", ""};
  }
  static Written Sub(const Written& x, const Written& y) {
    return {x.text + " − " + Bracketed(y, Written::Sum), Written::Sum, "", ""};
  }
  static Written Mul(const Written& x, const Written& y) {
    // a·a is a², and (4·a)·a is 4·a².
    if (!y.factor.empty() && y.factor == x.factor) return {x.head + y.factor + "²", Written::Product, "", ""};
    const std::string left = Bracketed(x, Written::Sum) + "·";
    return {left + Bracketed(y, Written::Negation), Written::Product, left, y.factor};
  }
  static Written Div(const Written& x, const Written& y) {
    return {Bracketed(x, Written::Sum) + "/" + Bracketed(y, Written::Negation), Written::Product, "", ""};
  }
  static Written Negate(const Written& x) {
    return {"−" + Bracketed(x, Written::Negation), Written::Negation, "", ""};
  }
  static Written Sqrt(const Written& x) {
    const bool plain = x.level == Written::Operand && !x.factor.empty();
    return {"√" + (plain ? x.text : "(" + x.text + ")"), Written::Operand, "", ""};
  }
  static Written SingleSquare(const Written& x) {
    return {Bracketed(x, Written::Negation) + "²", Written::Operand, "", ""};
  }
};

}  // namespace

std::string ExpressionText(const Formula& formula) {
  Notation notation;
  return EvaluateFormula(formula, notation).text;
}

std::string FormulaText(Quantity quantity, const Formula& formula) {
  return std::string(SymbolOf(quantity)) + " = " + ExpressionText(formula);
}

}  // namespace rt
