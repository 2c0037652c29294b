#include <string>

#include "solution/worked_solution.h"

namespace rt {

std::string PlainSolution(const WorkedSolution& solution) {
  std::string text;
  const auto line = [&text](const std::string& content, std::string_view indent = "") {
    text += indent;
    text += content;
    text += '\n';
  };
  constexpr std::string_view kIndent = "   ";
  std::string given = "Дадено: ";
  for (std::size_t i = 0; i < solution.given.size(); ++i) {
    if (i > 0) given += "; ";
    given += PlainText(solution.given[i]);
  }
  line(given);
  for (const std::string& note : solution.givenNotes) line(note);
  std::string sought = "Търсим: ";
  for (std::size_t i = 0; i < solution.sought.size(); ++i) {
    if (i > 0) sought += ", ";
    sought += SymbolOf(solution.sought[i]);
  }
  line(sought);
  for (std::size_t n = 0; n < solution.steps.size(); ++n) {
    const SolutionStep& step = solution.steps[n];
    line(std::to_string(n + 1) + ". " + std::string(SymbolOf(step.quantity)) + ": " + step.relation + " (" +
         PlainText(step.relationFormula) + ")");
    for (const MathText& derivation : step.derivation) line(PlainText(derivation), kIndent);
    line(PlainText(step.formula), kIndent);
    line(PlainText(step.substituted), kIndent);
    if (!step.working.empty()) line(PlainText(step.working), kIndent);
    if (!step.result.empty()) line(PlainText(step.result), kIndent);
    for (const std::string& note : step.notes) line(note, kIndent);
  }
  if (!solution.check.empty()) {
    line("Проверка:");
    for (const MathText& check : solution.check) line(PlainText(check), kIndent);
  }
  for (const std::string& stop : solution.stop) line(stop);
  return text;
}

}  // namespace rt
