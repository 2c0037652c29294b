#include "model/triangle_solver.h"

#include <array>
#include <optional>

#include "model/given_pair.h"
#include "runtime/checked_math.h"
#include "runtime/number_formatting.h"
#include "runtime/number_reading.h"

namespace rt {
namespace {

// Notes which quantities a run assigns, in order, and which of them met the
// run's first error.
struct StepRecord {
  const CheckedMath* math = nullptr;  // null while the given values are stored
  std::array<Quantity, kQuantityCount> order{};
  int count = 0;
  std::optional<Quantity> failedAt;

  // Steps after the failing one compute with its 0 and are not recorded.
  void Assigned(Quantity q) {
    if (math == nullptr || failedAt) return;
    if (count < kQuantityCount) order[static_cast<std::size_t>(count++)] = q;
    if (math->failed()) failedAt = q;
  }
};

// A working value that tells the record when it is assigned.
template <typename Float>
class Recorded {
 public:
  Recorded(Quantity q, StepRecord& record) : quantity_(q), record_(&record) {}
  Recorded& operator=(Float value) {
    value_ = value;
    record_->Assigned(quantity_);
    return *this;
  }
  operator Float() const { return value_; }  // NOLINT(google-explicit-constructor): reads as the value

 private:
  Float value_ = 0;
  Quantity quantity_;
  StepRecord* record_;
};

// The working values of one run. b1 is single precision (`B1` float);
// wherever it meets a double it is widened exactly.
template <typename B1>
struct Lengths {
  explicit Lengths(StepRecord& r)
      : a(Quantity::A, r),
        b(Quantity::B, r),
        c(Quantity::C, r),
        hc(Quantity::Hc, r),
        a1(Quantity::A1, r),
        b1(Quantity::B1, r) {}
  Recorded<double> a, b, c, hc, a1;
  Recorded<B1> b1;
};

// single(x) and the single-precision square of a given b1, as the precision
// of b1 wants them.
template <typename B1>
struct Precision;

template <>
struct Precision<float> {
  static float Single(CheckedMath& m, double x) { return m.ToSingle(x); }
  static double Square(CheckedMath& m, float b1) { return m.SingleSquare(b1); }
};

// Computes the four unknown lengths of row k, whose two given values are
// already in `v`. Steps run in the order of the recipe; each uses the values
// assigned before it. Negation is exact and cannot fail, so it needs no check.
template <typename B1>
void ComputeRow(int k, Lengths<B1>& v, CheckedMath& m) {
  auto sqrt = [&m](double x) { return m.Sqrt(x); };
  auto single = [&m](double x) { return Precision<B1>::Single(m, x); };
  auto& [a, b, c, hc, a1, b1] = v;
  const double given_b1 = b1;  // meaningful in the rows where b1 is given

  switch (k) {
    case 0:  // a,b
      c = sqrt(m.Add(m.Mul(a, a), m.Mul(b, b)));
      hc = m.Div(m.Mul(a, b), c);
      a1 = m.Div(m.Mul(a, a), c);
      b1 = single(m.Div(m.Mul(b, b), c));
      break;
    case 1:  // a,c
      b = sqrt(m.Sub(m.Mul(c, c), m.Mul(a, a)));
      hc = m.Div(m.Mul(a, b), c);
      a1 = m.Div(m.Mul(a, a), c);
      b1 = single(m.Div(m.Mul(b, b), c));
      break;
    case 2:  // a,hc
      a1 = sqrt(m.Sub(m.Mul(a, a), m.Mul(hc, hc)));
      c = m.Div(m.Mul(a, a), a1);
      b1 = single(m.Sub(c, a1));
      b = sqrt(m.Sub(m.Mul(c, c), m.Mul(a, a)));
      break;
    case 3:  // a,a1
      hc = sqrt(m.Sub(m.Mul(a, a), m.Mul(a1, a1)));
      b1 = single(m.Div(m.Mul(hc, hc), a1));
      c = m.Add(a1, b1);
      b = sqrt(m.Sub(m.Mul(c, c), m.Mul(a, a)));
      break;
    case 4: {  // a,b1: a1 is the positive root of a1^2 + b1*a1 - a^2 = 0
      const double s = Precision<B1>::Square(m, b1);
      a1 = m.Div(m.Add(-given_b1, sqrt(m.Add(s, m.Mul(m.Mul(4, a), a)))), 2);
      c = m.Add(a1, given_b1);
      b = sqrt(m.Mul(c, given_b1));
      hc = sqrt(m.Mul(a1, given_b1));
      break;
    }
    case 5:  // b,c
      a = sqrt(m.Sub(m.Mul(c, c), m.Mul(b, b)));
      hc = m.Div(m.Mul(a, b), c);
      a1 = m.Div(m.Mul(a, a), c);
      b1 = single(m.Div(m.Mul(b, b), c));
      break;
    case 6:  // b,hc
      b1 = single(sqrt(m.Sub(m.Mul(b, b), m.Mul(hc, hc))));
      a1 = m.Div(m.Mul(hc, hc), b1);
      c = m.Add(a1, b1);
      a = sqrt(m.Mul(c, a1));
      break;
    case 7:  // b,a1: b1 is the positive root of b1^2 + a1*b1 - b^2 = 0
      b1 = single(m.Div(m.Add(-a1, sqrt(m.Add(m.Mul(a1, a1), m.Mul(m.Mul(4, b), b)))), 2));
      c = m.Add(a1, b1);
      a = sqrt(m.Mul(c, a1));
      hc = sqrt(m.Mul(a1, b1));
      break;
    case 8: {  // b,b1
      const double s = Precision<B1>::Square(m, b1);
      hc = sqrt(m.Sub(m.Mul(b, b), s));
      a1 = m.Div(m.Mul(hc, hc), given_b1);
      c = m.Add(a1, given_b1);
      a = sqrt(m.Mul(c, a1));
      break;
    }
    case 9:  // c,hc: b1 is the larger root of x^2 - c*x + hc^2 = 0, so b >= a
      b1 = single(m.Div(m.Add(c, sqrt(m.Sub(m.Mul(c, c), m.Mul(m.Mul(4, hc), hc)))), 2));
      a1 = m.Div(m.Mul(hc, hc), b1);
      a = sqrt(m.Mul(c, a1));
      b = sqrt(m.Mul(c, b1));
      break;
    case 10:  // c,a1
      b1 = single(m.Sub(c, a1));
      a = sqrt(m.Mul(c, a1));
      b = sqrt(m.Mul(c, b1));
      hc = sqrt(m.Mul(a1, b1));
      break;
    case 11:  // c,b1
      a1 = m.Sub(c, given_b1);
      a = sqrt(m.Mul(c, a1));
      b = sqrt(m.Mul(c, given_b1));
      hc = sqrt(m.Mul(a1, given_b1));
      break;
    case 12:  // hc,a1
      b1 = single(m.Div(m.Mul(hc, hc), a1));
      c = m.Add(a1, b1);
      a = sqrt(m.Mul(c, a1));
      b = sqrt(m.Mul(c, b1));
      break;
    case 13:  // hc,b1
      a1 = m.Div(m.Mul(hc, hc), given_b1);
      c = m.Add(a1, given_b1);
      a = sqrt(m.Mul(c, a1));
      b = sqrt(m.Mul(c, given_b1));
      break;
    case 14:  // a1,b1
      hc = sqrt(m.Mul(a1, given_b1));
      c = m.Add(a1, given_b1);
      a = sqrt(m.Mul(c, a1));
      b = sqrt(m.Mul(c, given_b1));
      break;
    default: break;
  }
}

// Stores a given value read from its box; b1 is rounded to single at once.
template <typename B1>
void StoreGiven(Quantity q, double value, Lengths<B1>& v, CheckedMath& m) {
  switch (q) {
    case Quantity::A: v.a = value; break;
    case Quantity::B: v.b = value; break;
    case Quantity::C: v.c = value; break;
    case Quantity::Hc: v.hc = value; break;
    case Quantity::A1: v.a1 = value; break;
    case Quantity::B1: v.b1 = Precision<B1>::Single(m, value); break;
  }
}

SolveOutcome Failure(RuntimeError error, TriangleFault fault = TriangleFault::None) {
  SolveOutcome outcome;
  outcome.status = SolveStatus::Failed;
  outcome.error = error;
  outcome.fault = fault;
  return outcome;
}

// The six lengths as the boxes write them; b1 in its own precision.
template <typename B1>
std::array<std::string, kQuantityCount> WriteOut(const Lengths<B1>& v, const RegionalSettings& settings) {
  return {
      FormatFixed7(static_cast<double>(v.a), settings),  FormatFixed7(static_cast<double>(v.b), settings),
      FormatFixed7(static_cast<double>(v.c), settings),  FormatFixed7(static_cast<double>(v.hc), settings),
      FormatFixed7(static_cast<double>(v.a1), settings), FormatFixed7(static_cast<B1>(v.b1), settings)};
}

// One run of the Calculate button, with b1 held as `B1`. `record` learns the
// order of the computed quantities and the step that failed; `detail`, when
// given, the lengths of the run, also when it fails.
template <typename B1>
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

  Lengths<B1> lengths(record);
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
      StoreGiven(q, value, lengths, math);
    }
    record.math = &math;
    ComputeRow(k, lengths, math);
    record.math = nullptr;
  }
  if (detail != nullptr) {
    detail->values = {lengths.a,  lengths.b,  lengths.c,
                      lengths.hc, lengths.a1, static_cast<double>(static_cast<B1>(lengths.b1))};
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

namespace {

unsigned long long& RunCounter() {
  static unsigned long long runs = 0;
  return runs;
}

}  // namespace

SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings) {
  ++RunCounter();
  StepRecord record;
  return Solve<float>(input, settings, record, nullptr);
}

SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings, SolveDetail& detail) {
  ++RunCounter();
  StepRecord record;
  SolveOutcome outcome = Solve<float>(input, settings, record, &detail);
  detail.computedCount = record.count;
  detail.computed = record.order;
  detail.failedAt = record.failedAt;
  return outcome;
}

unsigned long long SolveRunCount() { return RunCounter(); }

}  // namespace rt
