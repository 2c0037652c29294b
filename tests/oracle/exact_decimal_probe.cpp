// Reads lines "OP X Y" (OP one of + - * / sqrt round sig cmp) and answers
// each with the exact decimal's result: its digits, "~" when inexact, or
// "none". The differential test drives it with generated values.
#include <iostream>
#include <sstream>
#include <string>

#include "solution/exact_decimal.h"

namespace {

std::string Show(const rt::ExactDecimal& value) {
  return (value.IsNegative() ? "-" : "") + value.PlainDigits() + (value.exact() ? "" : "~");
}

std::string Show(const std::optional<rt::ExactDecimal>& value) { return value ? Show(*value) : "none"; }

std::string Answer(const std::string& op, const rt::ExactDecimal& x, const std::string& second) {
  if (op == "round") return Show(x.RoundedToDecimals(std::stoi(second)));
  if (op == "sig") return Show(x.RoundedToSignificant(std::stoi(second)));
  if (op == "sqrt") return Show(SquareRoot(x));
  const auto y = rt::ExactDecimal::Parse(second);
  if (!y) return "bad";
  if (op == "+") return Show(x + *y);
  if (op == "-") return Show(x - *y);
  if (op == "*") return Show(x * *y);
  if (op == "/") return Show(Divide(x, *y));
  if (op == "cmp") return std::to_string(Compare(x, *y));
  return "bad";
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string op;
    std::string first;
    std::string second;
    words >> op >> first >> second;
    const auto x = rt::ExactDecimal::Parse(first);
    std::cout << (x ? Answer(op, *x, second) : "bad") << '\n';
  }
}
