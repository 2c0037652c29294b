#include "solution/formula.h"

#include <algorithm>
#include <string>

namespace rt {
namespace {

constexpr std::string_view kMinus = "−";
constexpr std::string_view kTimes = "·";
constexpr std::string_view kRoot = "√";
constexpr std::string_view kSquare = "²";

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<Quantity> QuantityOfSymbol(std::string_view word) {
  const auto* found = std::find(kQuantitySymbols.begin(), kQuantitySymbols.end(), word);
  if (found == kQuantitySymbols.end()) return std::nullopt;
  return static_cast<Quantity>(found - kQuantitySymbols.begin());
}

std::string_view RightHandSide(std::string_view formula) {
  const std::size_t equals = formula.find('=');
  return equals == std::string_view::npos ? formula : formula.substr(equals + 1);
}

// Recursive descent over the notation:
//   sum     = product { ("+" | "−") product }
//   product = signed { ("·" | "/") signed }
//   signed  = "−" signed | power
//   power   = operand [ "²" ]
//   operand = number | symbol | "(" sum ")" | "√" operand
class Evaluator {
 public:
  Evaluator(std::string_view text, const std::function<ExactDecimal(Quantity)>& length)
      : text_(text), length_(length) {}

  FormulaValue Run() {
    std::optional<ExactDecimal> value = Sum();
    if (fault_ != FormulaFault::None) return {std::nullopt, fault_};
    return {value, FormulaFault::None};
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  bool Take(std::string_view token) {
    SkipBlanks();
    if (text_.substr(pos_, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }

  std::optional<ExactDecimal> Sum() {
    std::optional<ExactDecimal> value = Product();
    while (value) {
      if (Take("+")) {
        const auto next = Product();
        if (!next) return std::nullopt;
        value = *value + *next;
      } else if (Take(kMinus)) {
        const auto next = Product();
        if (!next) return std::nullopt;
        value = *value - *next;
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<ExactDecimal> Product() {
    std::optional<ExactDecimal> value = Signed();
    while (value) {
      if (Take(kTimes)) {
        const auto next = Signed();
        if (!next) return std::nullopt;
        value = *value * *next;
      } else if (Take("/")) {
        const auto next = Signed();
        if (!next) return std::nullopt;
        value = Divide(*value, *next);
        if (!value) Fail(FormulaFault::DivisionByZero);
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<ExactDecimal> Signed() {
    if (Take(kMinus)) {
      const auto value = Signed();
      if (!value) return std::nullopt;
      return -*value;
    }
    std::optional<ExactDecimal> value = Operand();
    if (value && Take(kSquare)) value = *value * *value;
    return value;
  }

  std::optional<ExactDecimal> Operand() {
    if (Take("(")) {
      auto value = Sum();
      if (!value || !Take(")")) return std::nullopt;
      return value;
    }
    if (Take(kRoot)) {
      const auto radicand = Operand();
      if (!radicand) return std::nullopt;
      auto root = SquareRoot(*radicand);
      if (!root) Fail(FormulaFault::NegativeRadicand);
      return root;
    }
    SkipBlanks();
    const std::size_t start = pos_;
    if (pos_ < text_.size() && IsDigit(text_[pos_])) {
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      return ExactDecimal::Parse(text_.substr(start, pos_ - start));
    }
    while (pos_ < text_.size() && (IsLetter(text_[pos_]) || (pos_ > start && IsDigit(text_[pos_])))) ++pos_;
    if (const auto q = QuantityOfSymbol(text_.substr(start, pos_ - start))) return length_(*q);
    return std::nullopt;
  }

  void Fail(FormulaFault fault) {
    if (fault_ == FormulaFault::None) fault_ = fault;
  }

  std::string_view text_;
  const std::function<ExactDecimal(Quantity)>& length_;
  std::size_t pos_ = 0;
  FormulaFault fault_ = FormulaFault::None;
};

}  // namespace

FormulaValue EvaluateFormula(std::string_view formula, const std::function<ExactDecimal(Quantity)>& length) {
  return Evaluator(RightHandSide(formula), length).Run();
}

std::vector<Quantity> OperandsOf(std::string_view formula) {
  const std::string_view text = RightHandSide(formula);
  std::vector<Quantity> operands;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLetter(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && (IsLetter(text[end]) || IsDigit(text[end]))) ++end;
    const auto q = QuantityOfSymbol(text.substr(i, end - i));
    if (q && std::find(operands.begin(), operands.end(), *q) == operands.end()) operands.push_back(*q);
    i = end;
  }
  return operands;
}

}  // namespace rt
