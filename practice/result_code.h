#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/mistakes.h"
#include "practice/practice_code.h"

namespace rt {

// How a student came through one task of a set.
enum class TaskOutcome {
  Alone,     // solved with no mistake, hint or shown solution
  Mistakes,  // solved after a wrong check
  Hints,     // solved with hints or the shown solution
  None,      // not solved
};

// "alone", "mistakes", "hints", "none".
std::string_view TaskOutcomeName(TaskOutcome outcome);
std::optional<TaskOutcome> TaskOutcomeOfName(std::string_view name);

struct TaskResult {
  TaskOutcome outcome = TaskOutcome::None;
  MistakeTag firstMistake = MistakeTag::None;  // the first diagnosed one, if any
  bool operator==(const TaskResult&) const = default;
};

// A task's result as the tool and the table write it: "alone",
// "mistakes:swapped-projection", "hints", "none:no-root".
std::string TaskResultItem(const TaskResult& result);
// Its reading; nullopt for an item that is none (an unknown word or tag, or
// a tag after "alone").
std::optional<TaskResult> TaskResultOfItem(std::string_view item);

// What a student hands the teacher about a set: a result for each of the
// set's tasks (its retries count for the task they repeat).
struct PracticeResult {
  PracticeSet set;
  std::vector<TaskResult> tasks;  // the set's count of them
};

// The result code: the set's code, then five bits a character of the tasks'
// outcomes and first mistakes, then two check characters that catch every
// single mistyped character and every two characters swapped. Grouped for
// reading aloud: the set's code, then groups of four ("9SVZUC-K3M7-QX2P-…").
// Empty when the tasks do not match the set's count.
std::string ResultCodeOf(const PracticeResult& result);

// Why a text is no result code.
enum class ResultCodeProblem {
  None,
  Empty,
  Character,  // a character outside the code's alphabet
  NoSet,      // it does not begin with a set's code
  Length,     // too short or too long for its set
  Mistyped,   // the check characters do not agree: a character wrong or two swapped
  Content,    // the checks agree, but what it holds is no result (a forged code)
};

struct ResultCodeReading {
  std::optional<PracticeResult> result;
  ResultCodeProblem problem = ResultCodeProblem::None;
  std::string character;  // for Character: the first one outside the alphabet, as typed
};

// Reads a result code in either case, its dashes and blanks ignored, and
// the Cyrillic letters that look like the code's Latin ones (А, В, Е, К, М,
// Н, Р, С, Т, У, Х, typed on a Bulgarian keyboard) taken for them.
ResultCodeReading ReadResultCode(std::string_view text);

// What a student is told of a problem, or a teacher of a pasted line: one
// sentence (empty for None).
std::string ResultCodeProblemText(const ResultCodeReading& reading);

}  // namespace rt
