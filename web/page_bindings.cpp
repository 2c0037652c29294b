// The browser edition's entry: the window's logic in WebAssembly, bound to
// the page's controls, and the window definition handed to the page that
// builds them.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "form/form_definition.h"
#include "form/form_properties.h"
#include "form/triangle_form_logic.h"
#include "messages/reading_notes.h"
#include "model/given_pair.h"
#include "practice/answer_check.h"
#include "practice/practice_code.h"
#include "practice/practice_tasks.h"
#include "practice/practice_text.h"
#include "solution/worked_solution.h"

namespace rt::web {
namespace {

using emscripten::val;

// The page's controls, reached through the JavaScript object that built
// them; each property is one call.
class PageProperties : public FormProperties {
 public:
  explicit PageProperties(val page) : page_(std::move(page)) {}

  int ListIndex() const override { return page_.call<int>("listIndex"); }
  void SetListIndex(int row) override { page_.call<void>("setListIndex", row); }
  int CheckValue(int i) const override { return page_.call<int>("checkValue", i); }
  void SetCheckValue(int i, int value) override { page_.call<void>("setCheckValue", i, value); }
  void SetCheckEnabled(int i, bool enabled) override { page_.call<void>("setCheckEnabled", i, enabled); }
  std::string Text(int i) const override { return page_.call<std::string>("text", i); }
  void SetText(int i, std::string_view text) override { page_.call<void>("setText", i, std::string(text)); }
  void SetLocked(int i, bool locked) override { page_.call<void>("setLocked", i, locked); }
  void SetMaxLength(int i, int length) override { page_.call<void>("setMaxLength", i, length); }
  void ShowFailure(const FailureMessage& message) override {
    page_.call<void>("showFailure", message.title, message.explanation, message.advice);
  }
  bool ShowsSolution() const override { return true; }
  void ShowSolution(const WorkedSolution& solution) override;

 private:
  val page_;
};

// The one window of the page.
struct Window {
  Window(val page, RegionalSettings settings)
      : properties(std::move(page)), logic(properties, std::move(settings)) {}
  PageProperties properties;
  TriangleFormLogic logic;
};

std::unique_ptr<Window>& TheWindow() {
  static std::unique_ptr<Window> window;
  return window;
}

// The regional settings the page was loaded with, for the practice section.
RegionalSettings& PageSettings() {
  static RegionalSettings settings;
  return settings;
}

// Binds the logic to the page's controls and raises Form_Load, as the forms
// runtime does once the window has been built.
void Load(val page, RegionalSettings settings) {
  PageSettings() = settings;
  TheWindow() = std::make_unique<Window>(std::move(page), std::move(settings));
  TheWindow()->logic.Form_Load();
}

void Command1Click(int index) {
  if (TheWindow()) TheWindow()->logic.Command1_Click(index);
}

void List1Click(int index) {
  if (TheWindow()) TheWindow()->logic.List1_Click(index);
}

std::string Utf8(std::string_view text) { return std::string(text); }

// The twenty-one controls in tab order, by the names that the page's markup
// gives them (the markup itself is written from the same table at build time).
val ControlTable() {
  val table = val::array();
  for (const ControlDefinition& def : kControls) {
    val control = val::object();
    control.set("name", Utf8(def.name));
    control.set("index", def.index);
    control.set("objectName", ObjectNameOf(def));
    control.set("kind", std::string(KindNameOf(def.kind)));
    control.set("inFrame", def.inFrame);
    control.set("left", def.left);
    control.set("top", def.top);
    control.set("width", def.width);
    control.set("height", def.height);
    control.set("visible", def.visible);
    table.call<void>("push", control);
  }
  return table;
}

// The window's size and the quantities of each row of the pair list.
val WindowDefinition() {
  val window = val::object();
  window.set("clientWidth", kWindow.clientWidth);
  window.set("clientHeight", kWindow.clientHeight);
  window.set("twipsPerPixel", kTwipsPerPixel);
  val pairs = val::array();
  for (const GivenPair& pair : kGivenPairs) {
    val both = val::array();
    both.call<void>("push", IndexOf(pair.first), IndexOf(pair.second));
    pairs.call<void>("push", both);
  }
  window.set("pairs", pairs);
  return window;
}

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

void PageProperties::ShowSolution(const WorkedSolution& solution) {
  page_.call<void>("showSolution", SolutionObject(solution));
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
  shown.set("pair", std::string(kGivenPairs.at(static_cast<std::size_t>(task.listIndex)).listText));
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

// How the given boxes' texts were read, where the boxes alone would not say
// it: a note for each of the row's two given lengths that needs one.
val ReadingNotes(int listIndex, val texts) {
  std::vector<std::string> notes;
  if (const auto pair = PairOfListIndex(listIndex)) {
    for (const Quantity q : {pair->first, pair->second}) {
      std::string note = ReadingNote(q, texts[static_cast<int>(q)].as<std::string>(), PageSettings());
      if (!note.empty()) notes.push_back(std::move(note));
    }
  }
  return ArrayOf(notes, [](const std::string& note) { return note; });
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

EMSCRIPTEN_BINDINGS(right_triangle) {
  using namespace emscripten;
  value_object<rt::RegionalSettings>("RegionalSettings")
      .field("decimalSeparator", &rt::RegionalSettings::decimalSeparator)
      .field("groupSeparator", &rt::RegionalSettings::groupSeparator)
      .field("primaryGroupSize", &rt::RegionalSettings::primaryGroupSize)
      .field("secondaryGroupSize", &rt::RegionalSettings::secondaryGroupSize)
      .field("groupingMinimumDigits", &rt::RegionalSettings::groupingMinimumDigits)
      .field("negativeSign", &rt::RegionalSettings::negativeSign)
      .field("leadingZero", &rt::RegionalSettings::leadingZero);
  function("load", &rt::web::Load);
  function("command1Click", &rt::web::Command1Click);
  function("list1Click", &rt::web::List1Click);
  function("controlTable", &rt::web::ControlTable);
  function("windowDefinition", &rt::web::WindowDefinition);
  function("newPracticeCode", &rt::web::NewPracticeCode);
  function("practiceSet", &rt::web::PracticeSetObject);
  function("checkPracticeTask", &rt::web::CheckPracticeTask);
  function("practiceSolution", &rt::web::PracticeSolution);
  function("pairNames", &rt::web::PairNames);
  function("readingNotes", &rt::web::ReadingNotes);
}
