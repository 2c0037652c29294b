#include "solution/exact_formula.h"

namespace rt {
namespace {

using Value = std::optional<ExactDecimal>;

// The operations on exact decimals; an operation without a value leaves
// none, and the first fault is kept.
struct ExactArithmetic {
  const std::function<ExactDecimal(Quantity)>& length;
  FormulaFault fault = FormulaFault::None;

  Value Length(Quantity q) const { return length(q); }
  static Value Number(int n) { return ExactDecimal::OfInteger(n); }
  static Value Add(const Value& x, const Value& y) { return x && y ? Value(*x + *y) : Value(); }
  static Value Sub(const Value& x, const Value& y) { return x && y ? Value(*x - *y) : Value(); }
  static Value Mul(const Value& x, const Value& y) { return x && y ? Value(*x * *y) : Value(); }
  Value Div(const Value& x, const Value& y) {
    if (!x || !y) return {};
    Value quotient = Divide(*x, *y);
    if (!quotient) Fail(FormulaFault::DivisionByZero);
    return quotient;
  }
  static Value Negate(const Value& x) { return x ? Value(-*x) : Value(); }
  Value Sqrt(const Value& x) {
    if (!x) return {};
    Value root = SquareRoot(*x);
    if (!root) Fail(FormulaFault::NegativeRadicand);
    return root;
  }
  static Value SingleSquare(const Value& x) { return Mul(x, x); }

  void Fail(FormulaFault f) {
    if (fault == FormulaFault::None) fault = f;
  }
};

}  // namespace

FormulaValue EvaluateExactly(const Formula& formula, const std::function<ExactDecimal(Quantity)>& length) {
  ExactArithmetic arithmetic{length};
  Value value = EvaluateFormula(formula, arithmetic);
  if (arithmetic.fault != FormulaFault::None) return {std::nullopt, arithmetic.fault};
  return {std::move(value), FormulaFault::None};
}

}  // namespace rt
