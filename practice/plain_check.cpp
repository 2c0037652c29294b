#include "practice/plain_check.h"

#include "practice/practice_tasks.h"
#include "practice/practice_text.h"

namespace rt {

std::string_view AnswerMarkName(AnswerMark mark) {
  switch (mark) {
    case AnswerMark::Empty: return "empty";
    case AnswerMark::Right: return "right";
    case AnswerMark::Wrong: return "wrong";
    case AnswerMark::NotNumber: return "not-number";
    case AnswerMark::NotPositive: return "not-positive";
    case AnswerMark::TooManyDecimals: return "too-many-decimals";
  }
  return "empty";
}

std::string PlainTaskCheck(const PracticeSet& set, int number,
                           const std::array<std::string, kSoughtCount>& answers, bool noTriangle,
                           const RegionalSettings& settings) {
  const std::vector<PracticeTask> tasks = TasksWithRetries(set);
  if (number < 1 || number > static_cast<int>(tasks.size())) return {};
  const PracticeTask& task = tasks[static_cast<std::size_t>(number - 1)];
  std::array<std::string, kSoughtCount> typed;
  for (std::size_t i = 0; i < typed.size(); ++i) typed[i] = answers[i] == "-" ? std::string() : answers[i];
  const TaskCheck check = CheckTask(task, typed, noTriangle, settings);
  const std::array<Quantity, kSoughtCount> sought = SoughtQuantities(task.listIndex);
  std::string text;
  for (std::size_t i = 0; i < sought.size(); ++i) {
    const AnswerVerdict& verdict = check.verdicts[i];
    text.append(SymbolOf(sought[i])).append("\t").append(AnswerMarkName(verdict.mark)).append("\t");
    text.append(MistakeTagName(verdict.tag)).append("\t");
    text.append(verdict.note.empty() ? std::string("-") : verdict.note).append("\n");
  }
  return text + check.summary + "\n";
}

}  // namespace rt
