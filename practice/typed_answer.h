#pragma once

#include <string>
#include <string_view>

#include "runtime/regional_settings.h"
#include "solution/exact_decimal.h"
#include "solution/surd.h"

namespace rt {

// Longer answers are not read: no length needs them.
inline constexpr std::size_t kMaxAnswerLength = 200;

// What a student typed into an answer box, read.
struct TypedAnswer {
  enum class Kind {
    Empty,      // nothing but blanks
    Decimal,    // a plain number in the regional decimal sign: "8,49", "-3"
    Form,       // an exact form: "5√2", "144/13", "(−3 + √61)/2", "5*sqrt(2)"
    Malformed,  // neither: "3cm", "5√", "√-2", "1/0"
  };
  Kind kind = Kind::Empty;
  // The value: a decimal exactly as typed; a form to some 60 significant
  // digits, or exactly where `surd` holds it.
  ExactDecimal value;
  SurdValue surd;
  int decimals = 0;        // of a decimal, as typed
  bool simplified = true;  // of a form: as a teacher leaves it (5√2, not √50 or 10/√2)
  std::string problem;     // of a malformed text, where a sentence says more than "не е число"
};

// Reads an answer. A plain number is read by the window's own reading in
// the regional settings, but whole (no blank inside, no exponent, nothing
// left over). An exact form takes whole and decimal numbers, √ or sqrt
// before a number or a bracket, brackets, + − · * × / :, ² or ^2, and a
// number written straight before √ or a bracket multiplies it.
TypedAnswer ReadTypedAnswer(std::string_view typed, const RegionalSettings& settings);

// The text without the blanks around it (the no-break space included).
std::string_view TrimmedAnswer(std::string_view text);

}  // namespace rt
