#pragma once

#include <array>
#include <string>
#include <string_view>

#include "practice/practice_tasks.h"
#include "runtime/regional_settings.h"

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

// Checks a typed answer against the exact length. It is read by the
// window's own reading in the regional settings, but whole: any character
// that reading would stop at makes it no number. An answer with k decimals
// (k ≥ 1) is right when it equals the exact length rounded half up to k
// decimals; an answer with none is right only when the length is whole.
AnswerMark CheckAnswer(std::string_view typed, double exact, const RegionalSettings& settings);

// The mark in words, as a box shows it: "вярно", "не е число".
std::string_view AnswerMarkText(AnswerMark mark);

// The rule that CheckAnswer follows, in one sentence for the student.
std::string AnswerRule(const RegionalSettings& settings);

inline constexpr int kSoughtCount = 4;

// A whole task checked: each of the four sought lengths (in the order of
// the quantities) and the choice "няма такъв триъгълник".
struct TaskCheck {
  std::array<AnswerMark, kSoughtCount> marks{};
  bool solved = false;  // every box right, or no triangle rightly chosen
  std::string summary;  // one sentence for the student, announced once
};

TaskCheck CheckTask(const PracticeTask& task, const std::array<std::string, kSoughtCount>& answers,
                    bool noTriangle, const RegionalSettings& settings);

}  // namespace rt
