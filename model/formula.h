#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "model/quantity.h"

namespace rt {

// One operation of a formula, in postfix order: a length or a whole number
// pushes a value, an operator takes its operands from the top.
struct Token {
  enum class Kind : std::uint8_t {
    Length,        // the current value of `quantity`
    Number,        // the whole number `number`
    Add,           // x + y
    Sub,           // x − y
    Mul,           // x · y
    Div,           // x / y
    Negate,        // −x
    Sqrt,          // √x
    SingleSquare,  // x², itself held in single precision (b1² where b1 is given)
  };
  Kind kind = Kind::Number;
  Quantity quantity = Quantity::A;
  int number = 0;
};

inline constexpr int kMaxFormulaTokens = 16;

// A formula of the solver, written once as an expression and read three
// ways: computed as the program computes, computed exactly, and written in
// school notation. The operators build it in the order of evaluation, so
// `(a * a + b * b)` is the solver's a×a + b×b, operand for operand.
class Formula {
 public:
  constexpr Formula() = default;
  static constexpr Formula Of(Token token) {
    Formula formula;
    formula.Push(token);
    return formula;
  }

  constexpr const Token* begin() const { return tokens_.data(); }
  constexpr const Token* end() const { return tokens_.data() + count_; }

  // A formula longer than kMaxFormulaTokens does not compile as a constant.
  constexpr Formula& Push(Token token) {
    tokens_.at(static_cast<std::size_t>(count_++)) = token;
    return *this;
  }
  constexpr Formula& Append(const Formula& other) {
    for (const Token& token : other) Push(token);
    return *this;
  }

 private:
  std::array<Token, kMaxFormulaTokens> tokens_{};
  int count_ = 0;
};

constexpr Formula LengthOf(Quantity q) { return Formula::Of({Token::Kind::Length, q, 0}); }
constexpr Formula NumberOf(int n) { return Formula::Of({Token::Kind::Number, Quantity::A, n}); }

namespace formula_operators {

constexpr Formula Apply(Formula x, const Formula& y, Token::Kind op) {
  return x.Append(y).Push({op, Quantity::A, 0});
}
constexpr Formula operator+(const Formula& x, const Formula& y) { return Apply(x, y, Token::Kind::Add); }
constexpr Formula operator-(const Formula& x, const Formula& y) { return Apply(x, y, Token::Kind::Sub); }
constexpr Formula operator*(const Formula& x, const Formula& y) { return Apply(x, y, Token::Kind::Mul); }
constexpr Formula operator/(const Formula& x, const Formula& y) { return Apply(x, y, Token::Kind::Div); }
constexpr Formula operator*(int n, const Formula& y) { return NumberOf(n) * y; }
constexpr Formula operator/(const Formula& x, int n) { return x / NumberOf(n); }
constexpr Formula operator-(Formula x) { return x.Push({Token::Kind::Negate, Quantity::A, 0}); }
constexpr Formula Sqrt(Formula x) { return x.Push({Token::Kind::Sqrt, Quantity::A, 0}); }
constexpr Formula SingleSquare(Formula x) { return x.Push({Token::Kind::SingleSquare, Quantity::A, 0}); }

}  // namespace formula_operators

// The six lengths by their school symbols, for tables of formulas written
// as a teacher writes them: `Sqrt(a * a + b * b)`.
namespace formula_lengths {
inline constexpr Formula a = LengthOf(Quantity::A);
inline constexpr Formula b = LengthOf(Quantity::B);
inline constexpr Formula c = LengthOf(Quantity::C);
inline constexpr Formula hc = LengthOf(Quantity::Hc);
inline constexpr Formula a1 = LengthOf(Quantity::A1);
inline constexpr Formula b1 = LengthOf(Quantity::B1);
}  // namespace formula_lengths

// The formula's lengths, each once, in the order in which they are written.
inline std::vector<Quantity> OperandsOf(const Formula& formula) {
  std::vector<Quantity> operands;
  for (const Token& token : formula) {
    if (token.kind == Token::Kind::Length &&
        std::find(operands.begin(), operands.end(), token.quantity) == operands.end()) {
      operands.push_back(token.quantity);
    }
  }
  return operands;
}

// Evaluates a formula over any arithmetic: `algebra` gives the value of a
// length or a number and carries out each operation. The first operand is
// evaluated first, as the solver does.
template <typename Algebra>
auto EvaluateFormula(const Formula& formula, Algebra& algebra) {
  using Value = decltype(algebra.Number(0));
  std::array<Value, kMaxFormulaTokens> stack{};
  std::size_t top = 0;
  for (const Token& token : formula) {
    switch (token.kind) {
      case Token::Kind::Length: stack.at(top++) = algebra.Length(token.quantity); break;
      case Token::Kind::Number: stack.at(top++) = algebra.Number(token.number); break;
      case Token::Kind::Negate: stack.at(top - 1) = algebra.Negate(stack.at(top - 1)); break;
      case Token::Kind::Sqrt: stack.at(top - 1) = algebra.Sqrt(stack.at(top - 1)); break;
      case Token::Kind::SingleSquare: stack.at(top - 1) = algebra.SingleSquare(stack.at(top - 1)); break;
      default: {
        const Value y = stack.at(--top);
        Value& x = stack.at(top - 1);
        if (token.kind == Token::Kind::Add) x = algebra.Add(x, y);
        if (token.kind == Token::Kind::Sub) x = algebra.Sub(x, y);
        if (token.kind == Token::Kind::Mul) x = algebra.Mul(x, y);
        if (token.kind == Token::Kind::Div) x = algebra.Div(x, y);
      }
    }
  }
  return stack.at(0);
}

}  // namespace rt
