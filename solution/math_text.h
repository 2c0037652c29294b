#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rt {

// A line of a worked solution, in pieces that a page can set with sub- and
// superscripts: the symbols a, b, c, hc, a1, b1 (hc and the projections
// with their subscripts), the numbers as the boxes write them, the
// superscript 2 of a square, and plain text (Bulgarian words, operators).
struct MathPiece {
  enum class Kind { Text, Symbol, Number, Square };
  Kind kind = Kind::Text;
  std::string text;  // UTF-8; for a Square, "²"
};

using MathText = std::vector<MathPiece>;

// The pieces of a line written in plain UTF-8 notation: "hc = √(a1·b1)".
// Every ASCII word that is a symbol becomes a Symbol, and every "²" a
// Square; {a} ... {b1} stand for the numbers in `numbers` (by Quantity).
MathText ParseMathText(std::string_view line, const std::vector<std::string>& numbers = {});

// A line in the same notation in which each "#" stands for the next of
// `numbers`: WithNumbers("c² = #² = #", {"5", "25"}).
MathText WithNumbers(std::string_view pattern, const std::vector<std::string>& numbers);

// The same line in plain UTF-8, as the window writes its symbols.
std::string PlainText(const MathText& text);

// The line with every symbol right of its first "=" replaced by its number.
MathText SubstituteNumbers(const MathText& formula, const std::vector<std::string>& numbers);

}  // namespace rt
