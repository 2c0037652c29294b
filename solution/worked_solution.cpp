#include "solution/worked_solution.h"

#include <optional>

#include "messages/failure_messages.h"
#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "runtime/number_formatting.h"
#include "solution/digit_causes.h"
#include "solution/digit_notes.h"
#include "solution/exact_form.h"
#include "solution/exact_formula.h"
#include "solution/formula_text.h"
#include "solution/printed_lengths.h"
#include "solution/quadratic_working.h"
#include "solution/relation_texts.h"
#include "solution/solution_numbers.h"

namespace rt {
namespace {

constexpr int kBoxDecimals = 7;

std::string Symbol(Quantity q) { return std::string(SymbolOf(q)); }
std::size_t Index(Quantity q) { return static_cast<std::size_t>(q); }

MathText Equation(Quantity q, std::string_view relation, const std::string& number) {
  MathText text = ParseMathText(Symbol(q) + " " + std::string(relation) + " ");
  text.push_back({MathPiece::Kind::Number, number});
  return text;
}

// What the failing operation met, in school words.
std::string FailedOperation(RuntimeError error) {
  switch (error) {
    case RuntimeError::InvalidOperation:
      return "Тук пресмятането спира: под корена се получава отрицателно число.";
    case RuntimeError::DivisionByZero: return "Тук пресмятането спира: получава се деление на нула.";
    case RuntimeError::Overflow:
      return "Тук пресмятането спира: числото излиза извън обхвата на числата, с които програмата смята.";
    case RuntimeError::None: break;
  }
  return {};
}

// Where the recipe takes a longer way than the school one.
std::string ShorterRoute(int listIndex, Quantity q) {
  if (q != Quantity::C) return {};
  if (listIndex == 3) return "По-кратко: c = a²/a1 направо от Евклидовата теорема за катета (a² = a1·c).";
  if (listIndex == 6 || listIndex == 8) {
    return "По-кратко: c = b²/b1 направо от Евклидовата теорема за катета (b² = b1·c).";
  }
  return {};
}

class SolutionBuilder {
 public:
  SolutionBuilder(const SolveDetail& detail, const SolveOutcome& outcome, const RegionalSettings& settings)
      : detail_(detail), outcome_(outcome), settings_(settings) {}

  WorkedSolution Build();

 private:
  void DescribeGiven();
  bool StopsBeforeComputing();
  void AddSteps(const DigitNotes& notes);
  void AddStep(std::size_t n, const PrintedLengths& printed, const DigitNotes& notes);
  void AddStop(SolutionStep& step, const FormulaValue& value, const DigitNotes& notes);
  void AddNoTriangle(Quantity at, const DigitNotes& notes);
  void AddB1Notes(const PrintedLengths& printed, const DigitNotes& notes);
  void AddCheck(const DigitNotes& notes);
  void AddFailure();
  MathText StopResult(Quantity q, const FormulaValue& value, bool agrees) const;
  std::string PrintedText(Quantity q, const PrintedLengths& printed) const;
  bool Stops(Quantity q) const { return detail_.failedAt == q || !(detail_.values[Index(q)] > 0); }

  const SolveDetail& detail_;
  const SolveOutcome& outcome_;
  const RegionalSettings& settings_;
  WorkedSolution solution_;
  DigitNotes::Run run_;                             // the givens as typed, the program's lengths, the boxes
  std::array<ExactDecimal, kQuantityCount> boxes_;  // the box texts' values
  std::optional<RowReplay> replay_;
  std::vector<PrintedLengths::Step> steps_;
};

WorkedSolution SolutionBuilder::Build() {
  const auto pair = PairOfListIndex(detail_.listIndex);
  if (!pair || detail_.given.size() != 2) return solution_;
  for (int i = 0; i < kQuantityCount; ++i) {
    const auto q = static_cast<Quantity>(i);
    if (q != pair->first && q != pair->second) solution_.sought.push_back(q);
  }
  DescribeGiven();
  if (StopsBeforeComputing()) return solution_;
  run_.listIndex = detail_.listIndex;
  run_.texts = detail_.texts;
  const auto& first = run_.typed[Index(pair->first)];
  const auto& second = run_.typed[Index(pair->second)];
  if (first && second) run_.forms = ExactForms(detail_.listIndex, *first, *second, settings_);

  std::array<double, kQuantityCount> read{};
  for (const SolveDetail::Given& given : detail_.given) read[Index(given.quantity)] = given.reading.value;
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    run_.kept[i] = ExactDecimal::OfDouble(detail_.values[i]);
    boxes_[i] = ValueOfBoxText(detail_.texts[i], settings_);
  }
  replay_.emplace(detail_.listIndex, run_.typed, read, detail_.values);
  const DigitNotes notes(run_, *replay_, settings_);
  const auto& row = RowOf(detail_.listIndex).steps;
  steps_.assign(row.begin(), row.begin() + detail_.computedCount);
  AddSteps(notes);
  if (outcome_.status == SolveStatus::Written) {
    solution_.texts = outcome_.texts;
    solution_.lengths = detail_.values;
  }
  if (solution_.outcome == WorkedSolution::Outcome::Solved) AddCheck(notes);
  return solution_;
}

void SolutionBuilder::DescribeGiven() {
  for (const SolveDetail::Given& given : detail_.given) {
    if (given.reading.error != RuntimeError::None) {
      MathText text = ParseMathText(Symbol(given.quantity) + " = ");
      text.push_back({MathPiece::Kind::Text, "„" + given.text + "“"});
      solution_.given.push_back(std::move(text));
      continue;
    }
    const auto value = ExactDecimal::Parse(ShortestDecimal(given.reading.value));
    run_.typed[Index(given.quantity)] = value;
    if (given.text.find_first_of("0123456789") == std::string::npos) {
      // No number at all: the text as typed.
      MathText text = ParseMathText(Symbol(given.quantity) + " = ");
      text.push_back({MathPiece::Kind::Text, "„" + given.text + "“"});
      solution_.given.push_back(std::move(text));
      continue;
    }
    solution_.given.push_back(
        Equation(given.quantity, "=", ShortSolutionNumber(value.value_or(ExactDecimal()), settings_)));
  }
}

// A given value that is not a positive number, or one too large to read,
// stops the solution before its first step.
bool SolutionBuilder::StopsBeforeComputing() {
  if (outcome_.status == SolveStatus::Unchanged) {
    solution_.outcome = WorkedSolution::Outcome::NotPositive;
    for (const SolveDetail::Given& given : detail_.given) {
      if (!(given.reading.value > 0)) {
        solution_.stop.push_back("Дадената стойност на " + Symbol(given.quantity) + " („" + given.text +
                                 "“) не е положително число, затова решението спира тук.");
      }
    }
    solution_.stop.push_back(DescribeInvalidInput(settings_));
    return true;
  }
  if (outcome_.status == SolveStatus::Failed && detail_.computedCount == 0) {
    solution_.outcome = WorkedSolution::Outcome::Failed;
    for (const SolveDetail::Given& given : detail_.given) {
      if (given.reading.error != RuntimeError::None) {
        solution_.stop.push_back("Стойността на " + Symbol(given.quantity) + " („" + given.text +
                                 "“) е твърде голяма, затова решението спира тук.");
      }
    }
    AddFailure();
    return true;
  }
  return false;
}

void SolutionBuilder::AddFailure() {
  const FailureMessage message = DescribeFailure(detail_.listIndex, outcome_.error, outcome_.fault);
  solution_.stop.push_back(message.explanation);
  solution_.stop.push_back(message.advice);
}

void SolutionBuilder::AddSteps(const DigitNotes& notes) {
  // The solution stops at the first step that fails or gives a length that
  // is not positive.
  std::size_t shown = steps_.size();
  for (std::size_t n = 0; n < steps_.size(); ++n) {
    if (Stops(steps_[n].quantity)) {
      shown = n + 1;
      break;
    }
  }
  steps_.resize(shown);
  const PrintedLengths printed(steps_, run_.typed, boxes_, run_.kept);
  AddB1Notes(printed, notes);
  solution_.outcome = WorkedSolution::Outcome::Solved;
  for (std::size_t n = 0; n < steps_.size(); ++n) {
    AddStep(n, printed, notes);
    if (Stops(steps_[n].quantity)) return;
  }
  if (outcome_.status != SolveStatus::Written) {
    // The run failed beyond the steps shown (it does not, with the rows as
    // they are, but the student must never read a solution that just ends).
    solution_.outcome = WorkedSolution::Outcome::Failed;
    AddFailure();
    return;
  }
  // Every length came out positive, yet exactly there is no triangle.
  if (const std::optional<Quantity> at = replay_->ExactlyNoTriangleAt()) AddNoTriangle(*at, notes);
}

// The program wrote six lengths where, exactly, one is 0 or has no value.
void SolutionBuilder::AddNoTriangle(Quantity at, const DigitNotes& notes) {
  solution_.outcome = WorkedSolution::Outcome::Degenerate;
  solution_.stop.push_back(notes.ExactStop(at));
  const std::string program = notes.ProgramStop(at, StepSign::Positive);
  if (!program.empty()) solution_.stop.push_back(program);
  const FailureMessage message = DescribeDegenerate(detail_.listIndex);
  solution_.stop.push_back(message.explanation);
  solution_.stop.push_back(message.advice);
}

std::string SolutionBuilder::PrintedText(Quantity q, const PrintedLengths& printed) const {
  const std::size_t i = Index(q);
  // A longer print that adds only zeros says nothing more than the box.
  const bool adds_digits = printed.Longer(q) && (printed.Printed(q) != boxes_[i] || IsKeptSingle(q));
  if (adds_digits) return SolutionNumber(printed.Printed(q), printed.Decimals(q), settings_);
  if (run_.typed[i]) return ShortSolutionNumber(*run_.typed[i], settings_);
  return SolutionBoxText(detail_.texts[i], settings_);
}

// Where b1 is kept otherwise than it was typed and later steps use the
// kept value, or the box shows it, the solution says so where b1 is given.
void SolutionBuilder::AddB1Notes(const PrintedLengths& printed, const DigitNotes& notes) {
  const std::size_t b1 = Index(Quantity::B1);
  if (!run_.typed[b1]) return;
  const bool box_differs = run_.typed[b1]->RoundedToDecimals(kBoxDecimals) != boxes_[b1];
  if (!printed.Longer(Quantity::B1) && !box_differs) return;
  std::string note = notes.GivenB1();
  if (box_differs) note += " В полето се изписва " + SolutionBoxText(detail_.texts[b1], settings_) + ".";
  solution_.givenNotes.push_back(note);
}

void SolutionBuilder::AddStep(std::size_t n, const PrintedLengths& printed, const DigitNotes& notes) {
  const Quantity q = steps_[n].quantity;
  const std::size_t i = Index(q);
  const RowStep& recipe = RowOf(detail_.listIndex).steps.at(n);
  SolutionStep step;
  step.quantity = q;
  step.relation = std::string(RelationName(recipe.relation));
  step.relationFormula = ParseMathText(RelationFormula(recipe.relation));
  step.formula = ParseMathText(FormulaText(q, recipe.formula));
  std::vector<std::string> numbers(kQuantityCount);
  for (const Quantity operand : OperandsOf(recipe.formula))
    numbers[Index(operand)] = PrintedText(operand, printed);
  step.substituted = SubstituteNumbers(step.formula, numbers);
  if (n == 0 && RowOf(detail_.listIndex).quadratic) {  // the row's first step solves its quadratic
    step.derivation = QuadraticWorking(detail_.listIndex, run_.typed, detail_.failedAt == q, settings_);
  }
  const FormulaValue& value = printed.Value(n);
  if (Stops(q)) {
    AddStop(step, value, notes);
    solution_.steps.push_back(std::move(step));
    return;
  }

  const bool agrees = printed.Agrees(n);
  const bool exactly = agrees && value && value->exact() && *value == boxes_[i];
  if (printed.Longer(q) && q != Quantity::B1 && printed.Printed(q) != boxes_[i]) {
    const bool working_exact = value && value->exact() && *value == printed.Printed(q);
    step.working = Equation(q, working_exact ? "=" : "≈", PrintedText(q, printed));
  }
  const std::string box_note = notes.BoxNote(q);
  // The school's exact form where it says more than the decimal, and the box
  // is that exact length rounded: "c = 5√2 ≈ 7,0710678".
  const std::string& form = run_.forms[i];
  step.result = box_note.empty() && !exactly && IsSurdOrFraction(form)
                    ? Equation(q, "= " + form + " ≈", SolutionBoxText(detail_.texts[i], settings_))
                    : Equation(q, exactly ? "=" : "≈", detail_.texts[i]);

  // The printed numbers' own result, where it is neither the box nor the
  // exact length (which the note below explains).
  const FormulaValue& exact = replay_->Value(Arithmetic::Exact, q);
  const bool printed_exact =
      exact && value && value->RoundedToDecimals(kBoxDecimals) == exact->RoundedToDecimals(kBoxDecimals);
  if (!agrees && value && !(printed_exact && !box_note.empty())) {
    step.notes.push_back("С изписаните (закръглени) числа се получава " + Symbol(q) + " ≈ " +
                         SolutionNumber(*value, kBoxDecimals, settings_) +
                         "; програмата смята с неокръглените си числа.");
  }
  if (!box_note.empty()) step.notes.push_back(box_note);
  if (q == Quantity::B1 && printed.Longer(q) && !run_.typed[Index(Quantity::B1)] && box_note.empty()) {
    step.notes.push_back(notes.ComputedB1());
  }
  if (const std::string shorter = ShorterRoute(detail_.listIndex, q); !shorter.empty())
    step.notes.push_back(shorter);
  solution_.steps.push_back(std::move(step));
}

// The step at which the program stops: it fails, or its length is not
// positive. What the program met, what the exact computation gives, and,
// where they differ, why.
void SolutionBuilder::AddStop(SolutionStep& step, const FormulaValue& value, const DigitNotes& notes) {
  const Quantity q = step.quantity;
  const std::size_t i = Index(q);
  const bool written = outcome_.status == SolveStatus::Written;
  const StepSign exact = RowReplay::SignOf(replay_->Value(Arithmetic::Exact, q));
  StepSign program = StepSign::Fails;
  solution_.outcome = written ? WorkedSolution::Outcome::Degenerate : WorkedSolution::Outcome::Failed;
  if (detail_.failedAt == q) {
    solution_.stop.push_back(FailedOperation(outcome_.error));
    if (outcome_.error == RuntimeError::Overflow) {
      AddFailure();
      return;
    }
  } else {
    program = run_.kept[i].IsZero() ? StepSign::Zero : StepSign::Negative;
    step.result = StopResult(q, value, exact == program);
  }
  solution_.stop.push_back(notes.ExactStop(q));
  const std::string differs = exact == program ? std::string() : notes.ProgramStop(q, program);
  if (!differs.empty()) solution_.stop.push_back(differs);
  if (exact == StepSign::Positive) {
    // Exactly there is a triangle: the broken condition that the message
    // would name is not broken. Only the advice stays.
    solution_.stop.push_back(DescribeFailure(detail_.listIndex, outcome_.error, TriangleFault::None).advice);
    return;
  }
  const FailureMessage message = written ? DescribeDegenerate(detail_.listIndex)
                                         : DescribeFailure(detail_.listIndex, outcome_.error, outcome_.fault);
  solution_.stop.push_back(message.explanation);
  solution_.stop.push_back(message.advice);
}

// The value at a stop step: as its box writes it; with no box, what the
// printed numbers give where the program agrees with them on the sign, and
// otherwise the program's own value ("a1 ≈ −0,0010240"), which a note
// explains.
MathText SolutionBuilder::StopResult(Quantity q, const FormulaValue& value, bool agrees) const {
  const std::size_t i = Index(q);
  if (outcome_.status == SolveStatus::Written)
    return Equation(q, run_.kept[i].IsZero() ? "=" : "≈", SolutionBoxText(detail_.texts[i], settings_));
  const ExactDecimal shown = agrees && value ? *value : run_.kept[i];
  const bool exactly = shown.exact() && shown.Decimals() <= kBoxDecimals;
  return Equation(
      q, exactly ? "=" : "≈",
      exactly ? ShortSolutionNumber(shown, settings_) : SolutionNumber(shown, kBoxDecimals, settings_));
}

// „Проверка“ with the lengths as written, the givens as typed:
// a² + b² = c² and a·b = c·hc, and what their differences come from.
void SolutionBuilder::AddCheck(const DigitNotes& notes) {
  const auto length = [this](Quantity q) {
    const std::size_t i = Index(q);
    return run_.typed[i] ? *run_.typed[i] : boxes_[i];
  };
  const auto text = [this](Quantity q) {
    const std::size_t i = Index(q);
    return run_.typed[i] ? ShortSolutionNumber(*run_.typed[i], settings_)
                         : SolutionBoxText(detail_.texts[i], settings_);
  };
  const auto number = [this](const ExactDecimal& v) { return ShortSolutionNumber(v, settings_); };
  const ExactDecimal legs =
      length(Quantity::A) * length(Quantity::A) + length(Quantity::B) * length(Quantity::B);
  const ExactDecimal hypotenuse = length(Quantity::C) * length(Quantity::C);
  const ExactDecimal product = length(Quantity::A) * length(Quantity::B);
  const ExactDecimal area = length(Quantity::C) * length(Quantity::Hc);
  solution_.check = {
      WithNumbers("a² + b² = #² + #² = #", {text(Quantity::A), text(Quantity::B), number(legs)}),
      WithNumbers("c² = #² = #; разлика c² − (a² + b²) = #",
                  {text(Quantity::C), number(hypotenuse), number(hypotenuse - legs)}),
      WithNumbers("a·b = #·# = #", {text(Quantity::A), text(Quantity::B), number(product)}),
      WithNumbers("c·hc = #·# = #; разлика c·hc − a·b = #",
                  {text(Quantity::C), text(Quantity::Hc), number(area), number(area - product)}),
      ParseMathText(notes.CheckVerdict(hypotenuse - legs, area - product)),
  };
}

}  // namespace

WorkedSolution WorkedSolutionOf(const SolveDetail& detail, const SolveOutcome& outcome,
                                const RegionalSettings& settings) {
  return SolutionBuilder(detail, outcome, settings).Build();
}

WorkedSolution SolveWithSteps(int listIndex, std::string_view first, std::string_view second,
                              const RegionalSettings& settings) {
  SolveDetail detail;
  const SolveOutcome outcome = SolveTriangle(InputForTypedPair(listIndex, first, second), settings, detail);
  return WorkedSolutionOf(detail, outcome, settings);
}

}  // namespace rt
