#include "solution/math_text.h"

#include <algorithm>
#include <optional>

#include "model/quantity.h"

namespace rt {
namespace {

constexpr std::string_view kSquare = "²";

bool IsAsciiLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::size_t> QuantityOfSymbol(std::string_view word) {
  const auto* found = std::find(kQuantitySymbols.begin(), kQuantitySymbols.end(), word);
  if (found == kQuantitySymbols.end()) return std::nullopt;
  return static_cast<std::size_t>(found - kQuantitySymbols.begin());
}

void AppendText(MathText& text, std::string_view piece) {
  if (!text.empty() && text.back().kind == MathPiece::Kind::Text) {
    text.back().text += piece;
  } else {
    text.push_back({MathPiece::Kind::Text, std::string(piece)});
  }
}

// "1,5·10⁻¹³" as an operand of a power, a product, a quotient or a root
// needs brackets: 1·10²⁰⁰² would read as a power of ten.
MathText BracketPowersOfTen(MathText text) {
  const auto ends_with_operator = [](const MathPiece& piece) {
    if (piece.kind != MathPiece::Kind::Text || piece.text.empty()) return false;
    const std::string& t = piece.text;
    return t.ends_with("/") || t.ends_with("√") || t.ends_with("·");
  };
  const auto starts_with_operator = [](const MathPiece& piece) {
    if (piece.kind == MathPiece::Kind::Square) return true;
    return piece.kind == MathPiece::Kind::Text &&
           (piece.text.starts_with("·") || piece.text.starts_with("/"));
  };
  MathText bracketed;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const MathPiece& piece = text[i];
    const bool power = piece.kind == MathPiece::Kind::Number && piece.text.find("·10") != std::string::npos;
    const bool operand = power && ((i > 0 && ends_with_operator(text[i - 1])) ||
                                   (i + 1 < text.size() && starts_with_operator(text[i + 1])));
    if (!operand) {
      bracketed.push_back(piece);
      continue;
    }
    AppendText(bracketed, "(");
    bracketed.push_back(piece);
    bracketed.push_back({MathPiece::Kind::Text, ")"});
  }
  return bracketed;
}

}  // namespace

MathText ParseMathText(std::string_view line, const std::vector<std::string>& numbers) {
  MathText text;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line.substr(i, kSquare.size()) == kSquare) {
      text.push_back({MathPiece::Kind::Square, std::string(kSquare)});
      i += kSquare.size();
      continue;
    }
    if (line[i] == '{') {
      const std::size_t end = line.find('}', i);
      const auto q = QuantityOfSymbol(line.substr(i + 1, end - i - 1));
      if (end != std::string_view::npos && q && *q < numbers.size()) {
        text.push_back({MathPiece::Kind::Number, numbers[*q]});
        i = end + 1;
        continue;
      }
    }
    if (IsAsciiLetter(line[i])) {
      std::size_t end = i + 1;
      while (end < line.size() && (IsAsciiLetter(line[end]) || IsAsciiDigit(line[end]))) ++end;
      const std::string_view word = line.substr(i, end - i);
      if (QuantityOfSymbol(word)) {
        text.push_back({MathPiece::Kind::Symbol, std::string(word)});
      } else {
        AppendText(text, word);
      }
      i = end;
      continue;
    }
    AppendText(text, line.substr(i, 1));
    ++i;
  }
  return text;
}

MathText WithNumbers(std::string_view pattern, const std::vector<std::string>& numbers) {
  MathText text;
  std::size_t next = 0;
  while (!pattern.empty()) {
    const std::size_t mark = pattern.find('#');
    for (MathPiece& piece : ParseMathText(pattern.substr(0, mark))) text.push_back(std::move(piece));
    if (mark == std::string_view::npos) break;
    text.push_back({MathPiece::Kind::Number, next < numbers.size() ? numbers[next] : std::string()});
    ++next;
    pattern.remove_prefix(mark + 1);
  }
  return BracketPowersOfTen(std::move(text));
}

std::string PlainText(const MathText& text) {
  std::string plain;
  for (const MathPiece& piece : text) plain += piece.text;
  return plain;
}

MathText SubstituteNumbers(const MathText& formula, const std::vector<std::string>& numbers) {
  MathText substituted;
  bool right = false;
  for (const MathPiece& piece : formula) {
    if (right && piece.kind == MathPiece::Kind::Symbol) {
      const auto q = QuantityOfSymbol(piece.text);
      substituted.push_back({MathPiece::Kind::Number, numbers.at(*q)});
      continue;
    }
    if (piece.kind == MathPiece::Kind::Text && piece.text.find('=') != std::string::npos) right = true;
    substituted.push_back(piece);
  }
  return BracketPowersOfTen(std::move(substituted));
}

}  // namespace rt
