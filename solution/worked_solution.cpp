#include "solution/worked_solution.h"

#include <cmath>

#include "messages/failure_messages.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"
#include "runtime/number_formatting.h"
#include "runtime/number_reading.h"
#include "solution/recipes.h"

namespace rt {
namespace {

std::string Symbol(Quantity q) { return std::string(SymbolOf(q)); }

MathText Equals(Quantity q, const std::string& number) {
  return {{MathPiece::Kind::Symbol, Symbol(q)},
          {MathPiece::Kind::Text, " = "},
          {MathPiece::Kind::Number, number}};
}

// The quadratic equation of rows a,b1, b,a1 and c,hc: how it follows, its
// two roots, and which one the solver takes.
std::vector<MathText> QuadraticDerivation(Relation relation, const std::array<double, kQuantityCount>& v,
                                          const std::vector<std::string>& numbers,
                                          const RegionalSettings& settings) {
  const auto [a, b, c, hc, a1, b1] = v;
  auto line = [&numbers](std::string_view text) { return ParseMathText(text, numbers); };
  auto with_roots = [&](std::string_view unknown, double kept, bool kept_is_single, double other) {
    const std::string kept_text =
        kept_is_single ? FormatFixed7(static_cast<float>(kept), settings) : FormatFixed7(kept, settings);
    MathText roots = ParseMathText(std::string(unknown) + " = ");
    roots.push_back({MathPiece::Kind::Number, kept_text});
    roots.push_back({MathPiece::Kind::Text, " или "});
    for (const MathPiece& piece : ParseMathText(std::string(unknown) + " = ")) roots.push_back(piece);
    roots.push_back({MathPiece::Kind::Number, FormatFixed7(other, settings)});
    return roots;
  };
  switch (relation) {
    case Relation::QuadraticForA1:
      return {line("От a² = a1·c и c = a1 + b1 следва a² = a1·(a1 + b1), т.е. квадратното уравнение"),
              line("a1² + b1·a1 − a² = 0, тук a1² + {b1}·a1 − {a}² = 0."),
              line("Корените му са a1 = (−b1 ± √(b1² + 4·a²))/2:"),
              with_roots("a1", a1, false, (-b1 - std::sqrt(b1 * b1 + 4 * a * a)) / 2),
              line("Дължината е положително число, затова a1 е положителният корен.")};
    case Relation::QuadraticForB1:
      return {line("От b² = b1·c и c = a1 + b1 следва b² = b1·(a1 + b1), т.е. квадратното уравнение"),
              line("b1² + a1·b1 − b² = 0, тук b1² + {a1}·b1 − {b}² = 0."),
              line("Корените му са b1 = (−a1 ± √(a1² + 4·b²))/2:"),
              with_roots("b1", b1, true, (-a1 - std::sqrt(a1 * a1 + 4 * b * b)) / 2),
              line("Дължината е положително число, затова b1 е положителният корен.")};
    case Relation::QuadraticForB1FromC:
      return {line("От hc² = a1·b1 и a1 = c − b1 следва hc² = (c − b1)·b1, т.е. квадратното уравнение"),
              line("b1² − c·b1 + hc² = 0, тук b1² − {c}·b1 + {hc}² = 0."),
              line("Корените му са b1 = (c ± √(c² − 4·hc²))/2:"),
              with_roots("b1", b1, true, (c - std::sqrt(c * c - 4 * hc * hc)) / 2),
              line("Двата корена са двете проекции: програмата взима по-големия за b1, така че b ≥ a."),
              line("С тези c и hc има два триъгълника; те се различават само по това, че катетите a и b са "
                   "разменени.")};
    default: return {};
  }
}

// What the failing operation met, in school words.
std::string FailedOperation(RuntimeError error) {
  switch (error) {
    case RuntimeError::InvalidOperation:
      return "Тук пресмятането спира: под корена се получава отрицателно число.";
    case RuntimeError::DivisionByZero: return "Тук пресмятането спира: трябва да се дели на 0.";
    case RuntimeError::Overflow:
      return "Тук пресмятането спира: числото излиза извън обхвата на числата, с които програмата смята.";
    case RuntimeError::None: break;
  }
  return {};
}

}  // namespace

WorkedSolution SolveWithSteps(int listIndex, std::string_view first, std::string_view second,
                              const RegionalSettings& settings) {
  WorkedSolution solution;
  const auto pair = PairOfListIndex(listIndex);
  if (!pair) return solution;

  for (int i = 0; i < kQuantityCount; ++i) {
    const auto q = static_cast<Quantity>(i);
    if (q != pair->first && q != pair->second) solution.sought.push_back(q);
  }

  SolveDetail detail;
  const SolveOutcome outcome = SolveTriangle(InputForTypedPair(listIndex, first, second), settings, detail);

  if (outcome.status == SolveStatus::Unchanged) {
    solution.outcome = WorkedSolution::Outcome::NotPositive;
    for (const auto& [q, text] : {std::pair{pair->first, first}, std::pair{pair->second, second}}) {
      MathText given = ParseMathText(Symbol(q) + " = ");
      given.push_back({MathPiece::Kind::Text, "„" + std::string(text) + "“"});
      solution.given.push_back(std::move(given));
      if (!(ReadNumber(text, settings).value > 0)) {
        solution.stop.push_back("Дадената стойност на " + Symbol(q) + " („" + std::string(text) +
                                "“) не е положително число, затова решението спира тук.");
      }
    }
    solution.stop.push_back(DescribeInvalidInput());
    return solution;
  }

  // Every length as the boxes write it (b1 from its single value).
  const std::vector<std::string> numbers(detail.texts.begin(), detail.texts.end());
  for (const Quantity q : {pair->first, pair->second}) {
    solution.given.push_back(Equals(q, numbers[static_cast<std::size_t>(q)]));
  }

  const auto& recipe = RecipeOfRow(listIndex);
  for (int n = 0; n < detail.computedCount; ++n) {
    const RecipeStep& step = recipe[static_cast<std::size_t>(n)];
    SolutionStep shown;
    shown.quantity = step.quantity;
    shown.relation = std::string(RelationName(step.relation));
    shown.relationFormula = ParseMathText(RelationFormula(step.relation));
    shown.derivation = QuadraticDerivation(step.relation, detail.values, numbers, settings);
    shown.formula = ParseMathText(step.formula);
    shown.substituted = SubstituteNumbers(shown.formula, numbers);
    const bool failed = detail.failedAt == step.quantity;
    if (failed) shown.derivation.clear();  // its roots are not there to show
    if (!failed) {
      // The text the box gets: from the solver's own write-out when it
      // writes, and formatted the same way otherwise.
      const auto i = static_cast<std::size_t>(step.quantity);
      shown.result =
          Equals(step.quantity, outcome.status == SolveStatus::Written ? outcome.texts[i] : numbers[i]);
    }
    solution.steps.push_back(std::move(shown));
    if (failed) break;
  }

  if (outcome.status == SolveStatus::Failed) {
    solution.outcome = WorkedSolution::Outcome::Failed;
    if (detail.failedAt) solution.stop.push_back(FailedOperation(outcome.error));
    const FailureMessage message = DescribeFailure(listIndex, outcome.error, outcome.fault);
    solution.stop.push_back(message.explanation);
    solution.stop.push_back(message.advice);
    return solution;
  }

  solution.outcome = WorkedSolution::Outcome::Solved;
  solution.texts = outcome.texts;
  solution.lengths = detail.values;
  if (detail.doubleTexts != outcome.texts) {
    solution.singlePrecisionNote =
        "Програмата пази b1 със седем значещи цифри; затова последният десетичен знак на някои дължини се "
        "различава от точния.";
  }
  return solution;
}

std::string PlainSolution(const WorkedSolution& solution) {
  std::string text;
  const auto line = [&text](const std::string& content, std::string_view indent = "") {
    text += indent;
    text += content;
    text += '\n';
  };
  std::string given = "Дадено: ";
  for (std::size_t i = 0; i < solution.given.size(); ++i) {
    if (i > 0) given += "; ";
    given += PlainText(solution.given[i]);
  }
  line(given);
  std::string sought = "Търсим: ";
  for (std::size_t i = 0; i < solution.sought.size(); ++i) {
    if (i > 0) sought += ", ";
    sought += SymbolOf(solution.sought[i]);
  }
  line(sought);
  for (std::size_t n = 0; n < solution.steps.size(); ++n) {
    const SolutionStep& step = solution.steps[n];
    line(std::to_string(n + 1) + ". " + Symbol(step.quantity) + ": " + step.relation + " (" +
         PlainText(step.relationFormula) + ")");
    for (const MathText& derivation : step.derivation) line(PlainText(derivation), "   ");
    line(PlainText(step.formula), "   ");
    line(PlainText(step.substituted), "   ");
    if (!step.result.empty()) line(PlainText(step.result), "   ");
  }
  if (!solution.singlePrecisionNote.empty()) line(solution.singlePrecisionNote);
  for (const std::string& stop : solution.stop) line(stop);
  return text;
}

}  // namespace rt
