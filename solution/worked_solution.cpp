#include "solution/worked_solution.h"

#include <optional>

#include "messages/failure_messages.h"
#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "runtime/number_formatting.h"
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

// A box text with the solution's minus sign.
std::string BoxNumber(const std::string& text, const RegionalSettings& settings) {
  if (!settings.negativeSign.empty() && text.starts_with(settings.negativeSign)) {
    return "−" + text.substr(settings.negativeSign.size());
  }
  return text;
}

// "= 5" where the value is exactly that short, "≈ 5,1234567" otherwise.
std::string ExactOrRounded(const ExactDecimal& value, const RegionalSettings& settings) {
  if (value.exact() && value.Decimals() <= kBoxDecimals) return "= " + ShortSolutionNumber(value, settings);
  return "≈ " + SolutionNumber(value, kBoxDecimals, settings);
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
  void ComputeExactTriangle();
  void AddSteps();
  void AddStep(std::size_t n, const PrintedLengths& printed, bool stops);
  void AddB1Notes(const PrintedLengths& printed);
  void AddCheck();
  std::string PrintedText(Quantity q, const PrintedLengths& printed) const;
  std::string B1Story(const PrintedLengths& printed) const;

  const SolveDetail& detail_;
  const SolveOutcome& outcome_;
  const RegionalSettings& settings_;
  WorkedSolution solution_;
  std::array<std::optional<ExactDecimal>, kQuantityCount> typed_;  // the given lengths as typed
  std::array<std::optional<ExactDecimal>, kQuantityCount> exact_;  // the triangle in exact arithmetic
  std::array<ExactDecimal, kQuantityCount> kept_;                  // the program's own lengths
  std::array<ExactDecimal, kQuantityCount> boxes_;                 // the box texts' values
  std::array<std::string, kQuantityCount> forms_;                  // the school's exact forms, where short
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
  const auto& first = typed_[Index(pair->first)];
  const auto& second = typed_[Index(pair->second)];
  if (first && second) forms_ = ExactForms(detail_.listIndex, *first, *second, settings_);

  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    kept_[i] = ExactDecimal::OfDouble(detail_.values[i]);
    boxes_[i] = ValueOfBoxText(detail_.texts[i], settings_);
  }
  const auto& row = RowOf(detail_.listIndex).steps;
  steps_.assign(row.begin(), row.begin() + detail_.computedCount);
  ComputeExactTriangle();
  AddSteps();
  if (outcome_.status == SolveStatus::Written) {
    solution_.texts = outcome_.texts;
    solution_.lengths = detail_.values;
  }
  if (solution_.outcome == WorkedSolution::Outcome::Solved) AddCheck();
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
    typed_[Index(given.quantity)] = value;
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
    const FailureMessage message = DescribeFailure(detail_.listIndex, outcome_.error, outcome_.fault);
    solution_.stop.push_back(message.explanation);
    solution_.stop.push_back(message.advice);
    return true;
  }
  return false;
}

// The row's formulas with the typed values and no rounding at all: what
// "точно" means in the notes.
void SolutionBuilder::ComputeExactTriangle() {
  exact_ = typed_;
  for (const RowStep& step : RowOf(detail_.listIndex).steps) {
    const FormulaValue value = EvaluateExactly(
        step.formula, [this](Quantity q) { return exact_[Index(q)].value_or(ExactDecimal()); });
    exact_[Index(step.quantity)] = value;
    if (!value) break;
  }
}

void SolutionBuilder::AddSteps() {
  // The solution stops at the first step that fails or gives a length that
  // is not positive.
  std::size_t shown = steps_.size();
  for (std::size_t n = 0; n < steps_.size(); ++n) {
    const Quantity q = steps_[n].quantity;
    if (detail_.failedAt == q || !(detail_.values[Index(q)] > 0)) {
      shown = n + 1;
      break;
    }
  }
  steps_.resize(shown);
  const PrintedLengths printed(steps_, typed_, boxes_, kept_);
  AddB1Notes(printed);
  solution_.outcome = WorkedSolution::Outcome::Solved;
  for (std::size_t n = 0; n < steps_.size(); ++n) {
    const Quantity q = steps_[n].quantity;
    const bool stops = detail_.failedAt == q || !(detail_.values[Index(q)] > 0);
    AddStep(n, printed, stops);
    if (stops) break;
  }
  if (solution_.outcome == WorkedSolution::Outcome::Solved && outcome_.status != SolveStatus::Written) {
    // The run failed beyond the steps shown (it does not, with the recipes as
    // they are, but the student must never read a solution that just ends).
    solution_.outcome = WorkedSolution::Outcome::Failed;
    const FailureMessage message = DescribeFailure(detail_.listIndex, outcome_.error, outcome_.fault);
    solution_.stop.push_back(message.explanation);
    solution_.stop.push_back(message.advice);
  }
}

std::string SolutionBuilder::PrintedText(Quantity q, const PrintedLengths& printed) const {
  const std::size_t i = Index(q);
  if (printed.Longer(q)) return SolutionNumber(printed.Printed(q), printed.Decimals(q), settings_);
  if (typed_[i]) return ShortSolutionNumber(*typed_[i], settings_);
  return BoxNumber(detail_.texts[i], settings_);
}

// How b1 is kept: "b1 = 3,2 се съхранява като 3,20000005".
std::string SolutionBuilder::B1Story(const PrintedLengths& printed) const {
  const std::size_t b1 = Index(Quantity::B1);
  const std::optional<ExactDecimal>& exact = typed_[b1] ? typed_[b1] : exact_[b1];
  std::string meant = "?";
  int significant = 9;
  if (exact) {
    const bool short_enough = exact->exact() && exact->Decimals() <= 10;
    // The digits that tell the kept value from the meant one.
    while (significant < 17 &&
           exact->RoundedToSignificant(significant) == kept_[b1].RoundedToSignificant(significant)) {
      ++significant;
    }
    meant = short_enough ? ShortSolutionNumber(*exact, settings_)
                         : ShortSolutionNumber(exact->RoundedToSignificant(significant), settings_) + "…";
  }
  const std::string kept = printed.Longer(Quantity::B1)
                               ? PrintedText(Quantity::B1, printed)
                               : ShortSolutionNumber(kept_[b1].RoundedToSignificant(significant), settings_);
  return "b1 = " + meant + " се съхранява като " + kept;
}

// Where b1 is kept otherwise than it was typed or computed and later steps
// use the kept value, the solution says so where b1 gets its value.
void SolutionBuilder::AddB1Notes(const PrintedLengths& printed) {
  const std::size_t b1 = Index(Quantity::B1);
  if (!typed_[b1]) return;
  const bool box_differs = typed_[b1]->RoundedToDecimals(kBoxDecimals) != boxes_[b1];
  if (!printed.Longer(Quantity::B1) && !box_differs) return;
  std::string note = "Програмата пази b1 със седем значещи цифри: " + B1Story(printed);
  if (box_differs) note += " и в полето се изписва " + BoxNumber(detail_.texts[b1], settings_);
  if (printed.Longer(Quantity::B1)) note += "; с това число смята по-нататък";
  solution_.givenNotes.push_back(note + ".");
}

void SolutionBuilder::AddStep(std::size_t n, const PrintedLengths& printed, bool stops) {
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
    step.derivation = QuadraticWorking(detail_.listIndex, typed_, detail_.failedAt == q, settings_);
  }
  const FormulaValue& value = printed.Value(n);

  if (stops) {
    solution_.outcome = WorkedSolution::Outcome::Failed;
    if (detail_.failedAt == q) {
      solution_.stop.push_back(FailedOperation(outcome_.error));
      if (value && outcome_.error != RuntimeError::Overflow) {
        solution_.stop.push_back(
            "С изписаните числа това не личи: причината е в закръглянията, с които програмата смята "
            "(около 16 значещи цифри).");
      }
      const FailureMessage message = DescribeFailure(detail_.listIndex, outcome_.error, outcome_.fault);
      solution_.stop.push_back(message.explanation);
      solution_.stop.push_back(message.advice);
    } else {
      const ExactDecimal shown = value.value_or(kept_[i]);
      const bool short_exact = shown.exact() && shown.Decimals() <= kBoxDecimals;
      step.result = Equation(q, short_exact ? "=" : "≈",
                             short_exact ? ShortSolutionNumber(shown, settings_)
                                         : SolutionNumber(shown, kBoxDecimals, settings_));
      const bool zero = kept_[i].IsZero();
      const bool written = outcome_.status == SolveStatus::Written;
      const FailureMessage message = written
                                         ? DescribeDegenerate(detail_.listIndex)
                                         : DescribeFailure(detail_.listIndex, outcome_.error, outcome_.fault);
      if (written) solution_.outcome = WorkedSolution::Outcome::Degenerate;
      if (zero) {
        solution_.stop.push_back(
            "Дължина 0 означава, че няма триъгълник: „триъгълникът“ е изроден, отсечка.");
      } else {
        solution_.stop.push_back("Дължината " + Symbol(q) +
                                 " не е положително число, затова няма такъв "
                                 "триъгълник и решението спира тук.");
      }
      solution_.stop.push_back(message.explanation);
      solution_.stop.push_back(message.advice);
    }
    solution_.steps.push_back(std::move(step));
    return;
  }

  const bool agrees = printed.Agrees(n);
  const bool exactly = agrees && value && value->exact() && *value == boxes_[i];
  if (printed.Longer(q) && q != Quantity::B1) {
    const bool working_exact = value && value->exact() && *value == printed.Printed(q);
    step.working = Equation(q, working_exact ? "=" : "≈", PrintedText(q, printed));
  }
  const bool moved = exact_[i] && exact_[i]->RoundedToDecimals(kBoxDecimals) != boxes_[i];
  // The school's exact form where it says more than the decimal, and the box
  // is that exact length rounded: "c = 5√2 ≈ 7,0710678".
  const std::string& form = forms_[i];
  step.result = !moved && !exactly && IsSurdOrFraction(form)
                    ? Equation(q, "= " + form + " ≈", BoxNumber(detail_.texts[i], settings_))
                    : Equation(q, exactly ? "=" : "≈", detail_.texts[i]);

  // Notes: why a digit moves, and a shorter way.
  const std::size_t b1 = Index(Quantity::B1);
  const std::optional<ExactDecimal>& b1_meant = typed_[b1] ? typed_[b1] : exact_[b1];
  const bool b1_moved = !b1_meant || *b1_meant != kept_[b1];
  if ((!agrees || moved) && printed.DependsOnB1(n) && b1_moved) {
    std::string note = B1Story(printed);
    if (q == Quantity::B1) note += " и се изписва със седем значещи цифри";
    note += "; затова " + Symbol(q) + " ≈ " + BoxNumber(detail_.texts[i], settings_);
    if (exact_[i]) note += " (точно " + Symbol(q) + " " + ExactOrRounded(*exact_[i], settings_) + ")";
    step.notes.push_back(note + ".");
  } else if (!agrees && value) {
    step.notes.push_back("С изписаните числа се получава " + Symbol(q) + " ≈ " +
                         SolutionNumber(*value, kBoxDecimals, settings_) +
                         "; програмата смята с около 16 значещи цифри и закръглянията ѝ дават " +
                         BoxNumber(detail_.texts[i], settings_) + ".");
  } else if (moved) {
    step.notes.push_back("Точно " + Symbol(q) + " " + ExactOrRounded(*exact_[i], settings_) +
                         ": последният знак се мести от закръглянията, с които програмата смята (около 16 "
                         "значещи цифри).");
  }
  if (q == Quantity::B1 && printed.Longer(q) && !typed_[b1]) {
    if (step.notes.empty()) {
      step.notes.push_back("Програмата пази b1 със седем значещи цифри: " + B1Story(printed) + ".");
    }
    step.notes.back() += " С това число програмата смята по-нататък.";
  }
  if (const std::string shorter = ShorterRoute(detail_.listIndex, q); !shorter.empty())
    step.notes.push_back(shorter);
  solution_.steps.push_back(std::move(step));
}

// „Проверка“ with the lengths as written: a² + b² = c² and a·b = c·hc.
void SolutionBuilder::AddCheck() {
  const auto box = [this](Quantity q) { return boxes_[Index(q)]; };
  const auto text = [this](Quantity q) { return BoxNumber(detail_.texts[Index(q)], settings_); };
  const auto number = [this](const ExactDecimal& v) { return ShortSolutionNumber(v, settings_); };
  const ExactDecimal legs = box(Quantity::A) * box(Quantity::A) + box(Quantity::B) * box(Quantity::B);
  const ExactDecimal hypotenuse = box(Quantity::C) * box(Quantity::C);
  const ExactDecimal product = box(Quantity::A) * box(Quantity::B);
  const ExactDecimal area = box(Quantity::C) * box(Quantity::Hc);
  solution_.check = {
      WithNumbers("a² + b² = #² + #² = #", {text(Quantity::A), text(Quantity::B), number(legs)}),
      WithNumbers("c² = #² = #; разлика c² − (a² + b²) = #",
                  {text(Quantity::C), number(hypotenuse), number(hypotenuse - legs)}),
      WithNumbers("a·b = #·# = #", {text(Quantity::A), text(Quantity::B), number(product)}),
      WithNumbers("c·hc = #·# = #; разлика c·hc − a·b = #",
                  {text(Quantity::C), text(Quantity::Hc), number(area), number(area - product)}),
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
