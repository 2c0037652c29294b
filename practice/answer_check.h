#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/quantity.h"
#include "practice/mistakes.h"
#include "practice/practice_tasks.h"
#include "runtime/regional_settings.h"
#include "solution/surd.h"

namespace rt {

// How one answer box is marked.
enum class AnswerMark {
  Empty,            // nothing typed
  Right,            // the length, rounded to the answer's decimals
  Wrong,            // a number, but not that
  NotNumber,        // not a number taken whole: "3cm", "3.5.1", "b = 8"
  NotPositive,      // a length is never negative or zero
  TooManyDecimals,  // more than seven decimals, more than the program shows
};

inline constexpr int kMaxAnswerDecimals = 7;

// A mark, the mistake behind it where one explains it, and a sentence more
// where it helps: "опростено: 5√2", "Изглежда сте използвали a² = c·b₁. …".
struct AnswerVerdict {
  AnswerMark mark = AnswerMark::Empty;
  MistakeTag tag = MistakeTag::None;
  std::string note;
};

// What one answer box is checked against: the task's triangle, exactly,
// and the length the box asks for.
struct AnswerTarget {
  int listIndex = 0;
  Quantity sought = Quantity::A;
  TriangleLengths lengths;
  SurdValue surd;    // the sought length exactly, where a surd holds it
  std::string form;  // its school form, for an answer that is right but not simplified
};

// The mark of a typed answer against one length alone. A decimal with k
// decimals (k ≥ 1) is right when it equals the length rounded half up to k
// decimals; one with none only when the length is whole; an exact form
// ("5√2", "144/13") when it equals the length.
AnswerMark MarkOfAnswer(std::string_view typed, const ExactDecimal& length, const RegionalSettings& settings);

// The whole check of a box: the mark, and for a wrong answer the mistake
// that gives it. An answer that follows from intermediates rounded to its
// decimals is right, with a note; an equal form that is not simplified is
// right, with its simplified form.
AnswerVerdict CheckAnswer(std::string_view typed, const AnswerTarget& target,
                          const RegionalSettings& settings);

// The mark in words, as a box shows it: "вярно", "не е число".
std::string_view AnswerMarkText(AnswerMark mark);
// The mark with its note: "вярно; опростено: 5√2", "грешно. Изглежда сте …".
std::string AnswerVerdictText(const AnswerVerdict& verdict);

// The rule that CheckAnswer follows, in one sentence for the student.
std::string AnswerRule(const RegionalSettings& settings);

inline constexpr int kSoughtCount = 4;

// A whole task checked: each of the four sought lengths (in the order of
// the quantities) and the choice "няма такъв триъгълник".
struct TaskCheck {
  std::array<AnswerMark, kSoughtCount> marks{};
  std::array<AnswerVerdict, kSoughtCount> verdicts{};
  bool solved = false;  // every box right, or no triangle rightly chosen
  std::string summary;  // one sentence for the student, announced once
};

TaskCheck CheckTask(const PracticeTask& task, const std::array<std::string, kSoughtCount>& answers,
                    bool noTriangle, const RegionalSettings& settings);

}  // namespace rt
