#include "model/triangle_solver.h"

#include <array>
#include <optional>

#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "runtime/checked_math.h"
#include "runtime/number_formatting.h"
#include "runtime/number_reading.h"

namespace rt {
namespace {

// The program's own arithmetic: double precision with the runtime's checks,
// b1's square in single precision where the formula says so.
struct ProgramArithmetic {
  CheckedMath& math;
  const std::array<double, kQuantityCount>& lengths;

  double Length(Quantity q) const { return lengths[static_cast<std::size_t>(q)]; }
  static double Number(int n) { return n; }
  double Add(double x, double y) const { return math.Add(x, y); }
  double Sub(double x, double y) const { return math.Sub(x, y); }
  double Mul(double x, double y) const { return math.Mul(x, y); }
  double Div(double x, double y) const { return math.Div(x, y); }
  static double Negate(double x) { return -x; }  // exact: it cannot fail
  double Sqrt(double x) const { return math.Sqrt(x); }
  // x is b1, widened from its single value: narrowing it back is exact.
  double SingleSquare(double x) const { return math.SingleSquare(static_cast<float>(x)); }
};

// A value as the program stores it: b1 rounded to single precision.
double Stored(Quantity q, double value, CheckedMath& math) {
  return IsKeptSingle(q) ? static_cast<double>(math.ToSingle(value)) : value;
}

// Which quantities a run computed, in order, and which of them met the
// run's first error.
struct StepRecord {
  std::array<Quantity, kQuantityCount> order{};
  int count = 0;
  std::optional<Quantity> failedAt;
};

// Computes the four unknown lengths of row k, whose two given values are
// already in `lengths`, step by step in the row's order. Steps after the
// failing one compute with its 0 and are not recorded.
void ComputeRow(int k, std::array<double, kQuantityCount>& lengths, CheckedMath& math, StepRecord& record) {
  const ProgramArithmetic arithmetic{math, lengths};
  for (const RowStep& step : RowOf(k).steps) {
    lengths[static_cast<std::size_t>(step.quantity)] =
        Stored(step.quantity, EvaluateFormula(step.formula, arithmetic), math);
    if (record.failedAt) continue;
    record.order[static_cast<std::size_t>(record.count++)] = step.quantity;
    if (math.failed()) record.failedAt = step.quantity;
  }
}

SolveOutcome Failure(RuntimeError error, TriangleFault fault = TriangleFault::None) {
  SolveOutcome outcome;
  outcome.status = SolveStatus::Failed;
  outcome.error = error;
  outcome.fault = fault;
  return outcome;
}

// The six lengths as the boxes write them; b1 from its single value.
std::array<std::string, kQuantityCount> WriteOut(const std::array<double, kQuantityCount>& v,
                                                 const RegionalSettings& settings) {
  return {FormatFixed7(v[0], settings), FormatFixed7(v[1], settings),
          FormatFixed7(v[2], settings), FormatFixed7(v[3], settings),
          FormatFixed7(v[4], settings), FormatFixed7(static_cast<float>(v[5]), settings)};
}

// One run of the Calculate button. `record` learns the
// order of the computed quantities and the step that failed; `detail`, when
// given, the lengths of the run, also when it fails.
SolveOutcome Solve(const SolverInput& input, const RegionalSettings& settings, StepRecord& record,
                   SolveDetail* detail) {
  const int k = input.listIndex;
  const auto pair = PairOfListIndex(k);
  if (detail != nullptr) {
    detail->listIndex = k;
    detail->given.clear();
    if (pair) {
      for (Quantity q : {pair->first, pair->second}) {
        const std::string_view text = input.texts[static_cast<std::size_t>(q)];
        detail->given.push_back({q, std::string(text), ReadNumber(text, settings)});
      }
    }
  }

  // Validation over all six boxes: a ticked box must hold a positive number.
  // An unticked box's number is never used, so even one beyond the double
  // range does not stop the run.
  std::array<double, kQuantityCount> numbers{};
  bool valid = true;
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    if (input.checks[i] != 1) continue;
    const NumberReading reading = ReadNumber(input.texts[i], settings);
    if (reading.error != RuntimeError::None) return Failure(reading.error);
    numbers[i] = reading.value;
    if (!(reading.value > 0)) valid = false;
  }
  if (!valid) return {};

  std::array<double, kQuantityCount> lengths{};
  CheckedMath math;
  double first = 0;
  double second = 0;
  if (pair) {
    // The given boxes are read afresh; their text is the one just validated.
    // (A given box that is not ticked reads as in the box too.)
    for (Quantity q : {pair->first, pair->second}) {
      const auto i = static_cast<std::size_t>(q);
      double value = numbers[i];
      if (input.checks[i] != 1) {
        const NumberReading reading = ReadNumber(input.texts[i], settings);
        if (reading.error != RuntimeError::None) return Failure(reading.error);
        value = reading.value;
      }
      (q == pair->first ? first : second) = value;
      lengths[i] = Stored(q, value, math);
    }
    ComputeRow(k, lengths, math, record);
  }
  if (detail != nullptr) {
    detail->values = lengths;
    detail->texts = WriteOut(lengths, settings);
  }
  if (math.failed()) {
    const TriangleFault fault =
        math.error() == RuntimeError::Overflow ? TriangleFault::None : FindTriangleFault(k, first, second);
    return Failure(math.error(), fault);
  }

  SolveOutcome outcome;
  outcome.status = SolveStatus::Written;
  outcome.texts = detail != nullptr ? detail->texts : WriteOut(lengths, settings);
  return outcome;
}

}  // namespace

SolverInput InputForTypedPair(int listIndex, std::string_view first, std::string_view second) {
  SolverInput input;
  input.listIndex = listIndex;
  if (const auto pair = PairOfListIndex(listIndex)) {
    input.checks[static_cast<std::size_t>(pair->first)] = 1;
    input.checks[static_cast<std::size_t>(pair->second)] = 1;
    input.texts[static_cast<std::size_t>(pair->first)] = first;
    input.texts[static_cast<std::size_t>(pair->second)] = second;
  }
  return input;
}

SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings) {
  StepRecord record;
  return Solve(input, settings, record, nullptr);
}

SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings, SolveDetail& detail) {
  StepRecord record;
  SolveOutcome outcome = Solve(input, settings, record, &detail);
  detail.computedCount = record.count;
  detail.computed = record.order;
  detail.failedAt = record.failedAt;
  return outcome;
}

}  // namespace rt
