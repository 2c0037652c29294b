#include "solution/digit_causes.h"

#include <algorithm>
#include <cmath>

#include "model/triangle_rows.h"
#include "runtime/number_formatting.h"

namespace rt {
namespace {

using Value = FormulaValue;
constexpr std::size_t Index(Quantity q) { return static_cast<std::size_t>(q); }

ExactDecimal AsSingle(const ExactDecimal& x) {
  return ExactDecimal::OfDouble(static_cast<double>(static_cast<float>(x.ToDouble())));
}
ExactDecimal AsDouble(const ExactDecimal& x) { return ExactDecimal::OfDouble(x.ToDouble()); }

// Exact decimals with as much of the program's arithmetic as `arithmetic`
// brings in.
struct ReplayArithmetic {
  Arithmetic arithmetic;
  const std::array<Value, kQuantityCount>& lengths;

  bool Has(Arithmetic a) const { return arithmetic >= a; }
  Value Length(Quantity q) const { return lengths[Index(q)]; }
  static Value Number(int n) { return ExactDecimal::OfInteger(n); }
  // A difference: with Doubles, of the operands as double holds them; the
  // subtraction of two close doubles is itself exact, so this is where
  // double precision loses the digits.
  Value Difference(const Value& x, const Value& y, bool add) const {
    if (!x || !y) return {};
    const ExactDecimal u = Has(Arithmetic::Doubles) ? AsDouble(*x) : *x;
    const ExactDecimal v = Has(Arithmetic::Doubles) ? AsDouble(*y) : *y;
    return add ? u + v : u - v;
  }
  Value Add(const Value& x, const Value& y) const { return Difference(x, y, true); }
  Value Sub(const Value& x, const Value& y) const { return Difference(x, y, false); }
  static Value Mul(const Value& x, const Value& y) { return x && y ? Value(*x * *y) : Value(); }
  static Value Div(const Value& x, const Value& y) { return x && y ? Divide(*x, *y) : Value(); }
  static Value Negate(const Value& x) { return x ? Value(-*x) : Value(); }
  static Value Sqrt(const Value& x) { return x ? SquareRoot(*x) : Value(); }
  Value SingleSquare(const Value& x) const {
    if (!x) return {};
    return Has(Arithmetic::SingleSquare) ? AsSingle(*x * *x) : *x * *x;
  }
};

// The program's doubles, noting each difference's loss of digits.
struct CancellationProbe {
  const std::array<double, kQuantityCount>& lengths;
  std::optional<Cancellation> worst;

  double Length(Quantity q) const { return lengths[Index(q)]; }
  static double Number(int n) { return n; }
  double Note(double x, double y, double result) {
    const double larger = std::max(std::fabs(x), std::fabs(y));
    if (larger > 0 && std::isfinite(larger)) {
      const double lost = result == 0 ? 17.0 : std::log10(larger / std::fabs(result));
      if (!worst || lost > worst->digitsLost) {
        worst = Cancellation{0, larger, std::min(std::fabs(x), std::fabs(y)), lost};
      }
    }
    return result;
  }
  double Add(double x, double y) { return (x < 0) != (y < 0) ? Note(x, y, x + y) : x + y; }
  double Sub(double x, double y) { return (x < 0) == (y < 0) ? Note(x, y, x - y) : x - y; }
  static double Mul(double x, double y) { return x * y; }
  static double Div(double x, double y) { return y == 0 ? 0 : x / y; }
  static double Negate(double x) { return -x; }
  static double Sqrt(double x) { return x < 0 ? 0 : std::sqrt(x); }
  static double SingleSquare(double x) {
    const auto single = static_cast<float>(x);
    return static_cast<float>(static_cast<double>(single) * single);
  }
};

// Whether a replayed value gives the box text, as the program would write
// it. b1's box shows its single value, where the arithmetic keeps one.
bool GivesBox(const Value& value, Quantity q, bool single, const std::string& box,
              const RegionalSettings& settings) {
  if (!value) return false;
  const double number = value->ToDouble();
  if (single && IsKeptSingle(q)) return FormatFixed7(static_cast<float>(number), settings) == box;
  return FormatFixed7(number, settings) == box;
}

}  // namespace

RowReplay::RowReplay(int listIndex, const std::array<std::optional<ExactDecimal>, kQuantityCount>& typed,
                     const std::array<double, kQuantityCount>& read,
                     const std::array<double, kQuantityCount>& program)
    : listIndex_(listIndex) {
  const TriangleRow& row = RowOf(listIndex);
  for (std::size_t a = 0; a < kArithmetics; ++a) {
    const auto arithmetic = static_cast<Arithmetic>(a);
    std::array<FormulaValue, kQuantityCount>& lengths = lengths_.at(a);
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
      if (!typed[i]) continue;
      lengths[i] = arithmetic == Arithmetic::Doubles ? ExactDecimal::OfDouble(read[i]) : *typed[i];
      if (arithmetic >= Arithmetic::StoredB1 && IsKeptSingle(static_cast<Quantity>(i)))
        lengths[i] = AsSingle(*lengths[i]);
    }
    const ReplayArithmetic replay{arithmetic, lengths};
    for (const RowStep& step : row.steps) {
      FormulaValue value = EvaluateFormula(step.formula, replay);
      if (value && arithmetic >= Arithmetic::StoredB1 && IsKeptSingle(step.quantity))
        value = AsSingle(*value);
      lengths[Index(step.quantity)] = value;
    }
  }
  for (std::size_t n = 0; n < row.steps.size(); ++n) {
    CancellationProbe probe{program, std::nullopt};
    EvaluateFormula(row.steps[n].formula, probe);
    if (probe.worst) probe.worst->step = n;
    cancellations_.push_back(probe.worst);
  }
}

StepSign RowReplay::SignOf(const FormulaValue& value) {
  if (!value) return StepSign::Fails;
  if (value->IsZero()) return StepSign::Zero;
  return value->IsNegative() ? StepSign::Negative : StepSign::Positive;
}

// Nearly equal numbers subtracted where the program's run loses digits in a
// difference and the replay that takes its differences from doubles gives
// the program's value; double precision's own rounding otherwise.
DigitCause RowReplay::FromDoubles(Quantity q, bool doublesGiveIt) const {
  const std::optional<Cancellation> worst = WorstCancellation(q);
  const bool cancels = worst && worst->digitsLost >= kCancellingDigits;
  return cancels && doublesGiveIt ? DigitCause::Cancellation : DigitCause::DoubleRounding;
}

DigitCause RowReplay::CauseOfBox(Quantity q, const std::string& box, const RegionalSettings& settings) const {
  if (GivesBox(Value(Arithmetic::Exact, q), q, false, box, settings)) return DigitCause::None;
  if (GivesBox(Value(Arithmetic::StoredB1, q), q, true, box, settings)) return DigitCause::StoredB1;
  if (GivesBox(Value(Arithmetic::SingleSquare, q), q, true, box, settings)) return DigitCause::SingleSquare;
  return FromDoubles(q, GivesBox(Value(Arithmetic::Doubles, q), q, true, box, settings));
}

DigitCause RowReplay::CauseOfStop(Quantity q, StepSign program) const {
  if (SignOf(Value(Arithmetic::Exact, q)) == program) return DigitCause::None;
  if (SignOf(Value(Arithmetic::StoredB1, q)) == program) return DigitCause::StoredB1;
  if (SignOf(Value(Arithmetic::SingleSquare, q)) == program) return DigitCause::SingleSquare;
  return FromDoubles(q, SignOf(Value(Arithmetic::Doubles, q)) == program);
}

std::vector<std::size_t> RowReplay::StepsBehind(Quantity q) const {
  const auto& steps = RowOf(listIndex_).steps;
  std::vector<std::size_t> found;
  std::vector<Quantity> pending = {q};
  while (!pending.empty()) {
    const Quantity next = pending.back();
    pending.pop_back();
    for (std::size_t n = 0; n < steps.size(); ++n) {
      if (steps[n].quantity != next || std::find(found.begin(), found.end(), n) != found.end()) continue;
      found.push_back(n);
      for (const Quantity operand : OperandsOf(steps[n].formula)) pending.push_back(operand);
    }
  }
  return found;
}

std::optional<Cancellation> RowReplay::WorstCancellation(Quantity q) const {
  std::optional<Cancellation> worst;
  for (const std::size_t n : StepsBehind(q)) {
    const std::optional<Cancellation>& here = cancellations_.at(n);
    if (here && (!worst || here->digitsLost > worst->digitsLost)) worst = here;
  }
  return worst;
}

std::optional<Quantity> RowReplay::ExactlyNoTriangleAt() const {
  for (const RowStep& step : RowOf(listIndex_).steps) {
    if (SignOf(Value(Arithmetic::Exact, step.quantity)) != StepSign::Positive) return step.quantity;
  }
  return std::nullopt;
}

}  // namespace rt
