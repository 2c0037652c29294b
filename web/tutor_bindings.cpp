// The browser edition's tutor module: the worked solution of the window's
// runs, and the practice section's task sets, checks and solutions, all
// from the same core as the tool. The page loads it after the window's
// module, which alone makes the window work.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/given_pair.h"
#include "practice/answer_check.h"
#include "practice/class_results.h"
#include "practice/practice_code.h"
#include "practice/practice_tasks.h"
#include "practice/practice_text.h"
#include "practice/result_code.h"
#include "solution/worked_solution.h"

namespace rt::web {
namespace {

using emscripten::val;

// The regional settings the page was loaded with.
RegionalSettings& PageSettings() {
  static RegionalSettings settings;
  return settings;
}

void SetSettings(RegionalSettings settings) { PageSettings() = std::move(settings); }

// The page's name of a value of an enumeration, from its names in order
// (each list's length is checked against its enumeration where it stands).
template <typename Enum, std::size_t N>
std::string NameOf(const std::array<const char*, N>& names, Enum value) {
  return names.at(static_cast<std::size_t>(value));
}

val Pieces(const MathText& text) {
  val pieces = val::array();
  for (const MathPiece& piece : text) {
    static constexpr std::array kKinds = {"text", "symbol", "number", "square"};
    static_assert(kKinds.size() == static_cast<std::size_t>(MathPiece::Kind::Square) + 1);
    val shown = val::object();
    shown.set("kind", NameOf(kKinds, piece.kind));
    shown.set("text", piece.text);
    pieces.call<void>("push", shown);
  }
  return pieces;
}

template <typename Items, typename Convert>
val ArrayOf(const Items& items, Convert convert) {
  val array = val::array();
  for (const auto& item : items) array.call<void>("push", convert(item));
  return array;
}

// The worked solution of a calculation, for the section below the window.
val SolutionObject(const WorkedSolution& solution) {
  static constexpr std::array kOutcomes = {"solved", "notPositive", "failed", "noPair", "degenerate"};
  static_assert(kOutcomes.size() == static_cast<std::size_t>(WorkedSolution::Outcome::Degenerate) + 1);
  const auto text = [](const std::string& line) { return line; };
  // Sentences with the symbols as pieces, so that a1, b1 and hc get their
  // subscripts in words too.
  const auto sentence = [](const std::string& line) { return Pieces(ParseMathText(line)); };
  val shown = val::object();
  shown.set("outcome", NameOf(kOutcomes, solution.outcome));
  shown.set("given", ArrayOf(solution.given, Pieces));
  shown.set("givenNotes", ArrayOf(solution.givenNotes, sentence));
  shown.set("sought", ArrayOf(solution.sought, [](Quantity q) { return std::string(SymbolOf(q)); }));
  shown.set("steps", ArrayOf(solution.steps, [&sentence](const SolutionStep& step) {
              val item = val::object();
              item.set("quantity", std::string(SymbolOf(step.quantity)));
              item.set("relation", step.relation);
              item.set("relationFormula", Pieces(step.relationFormula));
              item.set("derivation", ArrayOf(step.derivation, Pieces));
              item.set("formula", Pieces(step.formula));
              item.set("substituted", Pieces(step.substituted));
              item.set("working", Pieces(step.working));
              item.set("result", Pieces(step.result));
              item.set("notes", ArrayOf(step.notes, sentence));
              return item;
            }));
  shown.set("check", ArrayOf(solution.check, Pieces));
  shown.set("stop", ArrayOf(solution.stop, sentence));
  shown.set("texts", ArrayOf(solution.texts, text));
  shown.set("lengths", ArrayOf(solution.lengths, [](double length) { return length; }));
  return shown;
}

// „Решение“ of the window's run: the row and the two texts as typed.
val WindowSolution(int listIndex, const std::string& first, const std::string& second) {
  return SolutionObject(SolveWithSteps(listIndex, first, second, PageSettings()));
}

// The practice section: task sets by their codes, the check of a task's
// answers and its worked solution, all from the same core as the tool.

std::string NewPracticeCode(unsigned variant) {
  PracticeSet set;
  set.variant = variant % PracticeSet::kVariants;
  return PracticeCodeOf(set);
}

val PracticeTaskObject(const PracticeTask& task, const RegionalSettings& settings) {
  val shown = val::object();
  shown.set("statement", Pieces(TaskStatement(task, settings)));
  const GivenPair& pair = kGivenPairs.at(static_cast<std::size_t>(task.listIndex));
  shown.set("pair", std::string(pair.listText));
  // The two given lengths, as the statement writes them, for the sketch.
  val given = val::array();
  for (const auto& [quantity, hundredths] :
       {std::pair{pair.first, task.firstHundredths}, std::pair{pair.second, task.secondHundredths}}) {
    val length = val::object();
    length.set("quantity", std::string(SymbolOf(quantity)));
    length.set("text", GivenValueText(hundredths, settings));
    given.call<void>("push", length);
  }
  shown.set("given", given);
  shown.set("sought",
            ArrayOf(SoughtQuantities(task.listIndex), [](Quantity q) { return std::string(SymbolOf(q)); }));
  const TaskKey key = KeyOf(task, settings);
  if (key.texts) {
    shown.set("key", ArrayOf(*key.texts, [](const std::string& text) { return text; }));
    shown.set("keyForms", ArrayOf(key.forms, [](const std::string& text) { return text; }));
  } else {
    shown.set("key", val::null());
  }
  shown.set("noTriangle", key.noTriangle);
  return shown;
}

// The tasks of a set. The set that the page has open is made once, for
// its showing and for all its checks and hints.
const std::vector<PracticeTask>& TasksOfOpenSet(const PracticeSet& set) {
  static std::string made_for;
  static std::vector<PracticeTask> tasks;
  const std::string code = PracticeCodeOf(set);
  if (code != made_for) {
    tasks = TasksWithRetries(set);
    made_for = code;
  }
  return tasks;
}

// The set of a code: its code as written, what it asks and its tasks; null
// for a text that is no code.
val PracticeSetObject(const std::string& code) {
  const auto set = PracticeSetOfCode(code);
  if (!set) return val::null();
  const RegionalSettings& settings = PageSettings();
  val shown = val::object();
  shown.set("code", PracticeCodeOf(*set));
  shown.set("description", DescribePracticeOptions(set->options));
  shown.set("rule", AnswerRule(settings));
  // The set's tasks, then their retries: retry k is the task count + k.
  shown.set("tasks", ArrayOf(TasksOfOpenSet(*set), [&settings](const PracticeTask& task) {
              return PracticeTaskObject(task, settings);
            }));
  shown.set("count", set->options.count);
  val options = val::object();
  options.set("pairMask", set->options.pairMask);
  options.set("easy", set->options.easy);
  options.set("noTriangleTasks", set->options.noTriangleTasks);
  options.set("variant", set->variant);
  shown.set("options", options);
  return shown;
}

// The code of the set that a teacher builds; empty for options that make
// no set.
std::string PracticeCodeFor(unsigned pairMask, int count, bool easy, bool noTriangleTasks, unsigned variant) {
  PracticeSet set;
  set.variant = variant % PracticeSet::kVariants;
  set.options = {pairMask, easy, count, noTriangleTasks};
  return IsValidPracticeOptions(set.options) ? PracticeCodeOf(set) : std::string();
}

// The result code of a student's work on a set: one item a task of the
// set ("alone", "mistakes:other-root", …); empty where they do not fit.
std::string PracticeResultCode(const std::string& code, val items) {
  const auto set = PracticeSetOfCode(code);
  if (!set) return {};
  PracticeResult result{*set, {}};
  const int length = items["length"].as<int>();
  for (int n = 0; n < length; ++n) {
    const auto task = TaskResultOfItem(items[n].as<std::string>());
    if (!task) return {};
    result.tasks.push_back(*task);
  }
  return ResultCodeOf(result);
}

// The class's results on a set from the teacher's pasted lines: the table,
// the notes, each task's and each pair's standing, and the same table as
// the tool prints it and for a spreadsheet. Null for a text that is no code.
val ClassResultsObject(const std::string& code, const std::string& pasted) {
  const auto set = PracticeSetOfCode(code);
  if (!set) return val::null();
  const ClassResults results = ReadClassResults(*set, pasted);
  const auto cell = [](const TaskResult& task) {
    val shown = val::object();
    shown.set("outcome", std::string(TaskOutcomeName(task.outcome)));
    shown.set("item", TaskResultItem(task));
    shown.set("words", TaskResultWords(task));
    return shown;
  };
  val shown = val::object();
  shown.set("students", ArrayOf(results.students, [&cell](const StudentResult& student) {
              val row = val::object();
              row.set("line", student.line);
              row.set("name", student.name);
              row.set("tasks", ArrayOf(student.tasks, cell));
              return row;
            }));
  shown.set("notes", ArrayOf(results.notes, [](const LineNote& note) { return note.text; }));
  const int students = static_cast<int>(results.students.size());
  shown.set("tasks", ArrayOf(results.tasks, [students](const TaskSummary& task) {
              val summary = val::object();
              summary.set("alone", task.alone);
              summary.set("mistakes", task.mistakes);
              summary.set("hints", task.hints);
              summary.set("none", task.none);
              summary.set("aloneShare", SharePercent(task.alone, students));
              summary.set("commonest", ArrayOf(task.commonest, [](const MistakeCount& mistake) {
                            val counted = val::object();
                            counted.set("tag", std::string(MistakeTagName(mistake.tag)));
                            counted.set("words", std::string(MistakeTagWords(mistake.tag)));
                            counted.set("students", mistake.students);
                            return counted;
                          }));
              return summary;
            }));
  shown.set("pairs", ArrayOf(results.pairs, [](const PairSummary& pair) {
              val standing = val::object();
              standing.set("pair",
                           std::string(kGivenPairs.at(static_cast<std::size_t>(pair.listIndex)).listText));
              standing.set("alone", pair.alone);
              standing.set("helped", pair.helped);
              standing.set("none", pair.none);
              return standing;
            }));
  shown.set("table", ClassResultsTable(results));
  shown.set("csv", ClassResultsCsv(results));
  return shown;
}

std::optional<PracticeTask> PracticeTaskOf(const std::string& code, int index) {
  const auto set = PracticeSetOfCode(code);
  if (!set) return std::nullopt;
  const std::vector<PracticeTask>& tasks = TasksOfOpenSet(*set);
  if (index < 0 || static_cast<std::size_t>(index) >= tasks.size()) return std::nullopt;
  return tasks[static_cast<std::size_t>(index)];
}

val CheckPracticeTask(const std::string& code, int index, val answers, bool noTriangle) {
  const auto task = PracticeTaskOf(code, index);
  if (!task) return val::null();
  std::array<std::string, kSoughtCount> typed;
  for (std::size_t i = 0; i < typed.size(); ++i) typed[i] = answers[i].as<std::string>();
  const TaskCheck check = CheckTask(*task, typed, noTriangle, PageSettings());
  static constexpr std::array kMarks = {"empty",     "right",       "wrong",
                                        "notNumber", "notPositive", "tooManyDecimals"};
  static_assert(kMarks.size() == static_cast<std::size_t>(AnswerMark::TooManyDecimals) + 1);
  val shown = val::object();
  shown.set("marks", ArrayOf(check.marks, [](AnswerMark mark) { return NameOf(kMarks, mark); }));
  shown.set("markTexts", ArrayOf(check.verdicts, AnswerVerdictText));
  shown.set("tags", ArrayOf(check.verdicts,
                            [](const AnswerVerdict& v) { return std::string(MistakeTagName(v.tag)); }));
  shown.set("solved", check.solved);
  shown.set("summary", check.summary);
  return shown;
}

// The pair list's texts, in its order: "a,b", "a,c", …
val PairNames() {
  return ArrayOf(kGivenPairs, [](const GivenPair& pair) { return std::string(pair.listText); });
}

val PracticeSolution(const std::string& code, int index) {
  const auto task = PracticeTaskOf(code, index);
  if (!task) return val::null();
  const RegionalSettings& settings = PageSettings();
  return SolutionObject(SolveWithSteps(task->listIndex, GivenValueText(task->firstHundredths, settings),
                                       GivenValueText(task->secondHundredths, settings), settings));
}

}  // namespace
}  // namespace rt::web

EMSCRIPTEN_BINDINGS(right_triangle_tutor) {
  using namespace emscripten;
  value_object<rt::RegionalSettings>("RegionalSettings")
      .field("decimalSeparator", &rt::RegionalSettings::decimalSeparator)
      .field("groupSeparator", &rt::RegionalSettings::groupSeparator)
      .field("primaryGroupSize", &rt::RegionalSettings::primaryGroupSize)
      .field("secondaryGroupSize", &rt::RegionalSettings::secondaryGroupSize)
      .field("groupingMinimumDigits", &rt::RegionalSettings::groupingMinimumDigits)
      .field("negativeSign", &rt::RegionalSettings::negativeSign)
      .field("leadingZero", &rt::RegionalSettings::leadingZero);
  function("setSettings", &rt::web::SetSettings);
  function("windowSolution", &rt::web::WindowSolution);
  function("newPracticeCode", &rt::web::NewPracticeCode);
  function("practiceSet", &rt::web::PracticeSetObject);
  function("checkPracticeTask", &rt::web::CheckPracticeTask);
  function("practiceSolution", &rt::web::PracticeSolution);
  function("pairNames", &rt::web::PairNames);
  function("practiceCodeFor", &rt::web::PracticeCodeFor);
  function("practiceResultCode", &rt::web::PracticeResultCode);
  function("classResults", &rt::web::ClassResultsObject);
}
