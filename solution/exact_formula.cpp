#include "solution/exact_formula.h"

namespace rt {
namespace {

using Value = std::optional<ExactDecimal>;

// The operations on exact decimals; an operation without a value leaves
// none.
struct ExactArithmetic {
  const std::function<ExactDecimal(Quantity)>& length;

  Value Length(Quantity q) const { return length(q); }
  static Value Number(int n) { return ExactDecimal::OfInteger(n); }
  static Value Add(const Value& x, const Value& y) { return x && y ? Value(*x + *y) : Value(); }
  static Value Sub(const Value& x, const Value& y) { return x && y ? Value(*x - *y) : Value(); }
  static Value Mul(const Value& x, const Value& y) { return x && y ? Value(*x * *y) : Value(); }
  static Value Div(const Value& x, const Value& y) { return x && y ? Divide(*x, *y) : Value(); }
  static Value Negate(const Value& x) { return x ? Value(-*x) : Value(); }
  static Value Sqrt(const Value& x) { return x ? SquareRoot(*x) : Value(); }
  static Value SingleSquare(const Value& x) { return Mul(x, x); }
};

}  // namespace

FormulaValue EvaluateExactly(const Formula& formula, const std::function<ExactDecimal(Quantity)>& length) {
  ExactArithmetic arithmetic{length};
  return EvaluateFormula(formula, arithmetic);
}

}  // namespace rt
