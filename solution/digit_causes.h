#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/quantity.h"
#include "runtime/regional_settings.h"
#include "solution/exact_formula.h"

namespace rt {

// The arithmetics in which a row is replayed. Each adds one of the
// program's ways of computing to the ones before it, so the first that
// gives the program's digit names what moved it.
enum class Arithmetic {
  Exact,         // the typed values, no rounding at all
  StoredB1,      // b1 kept in single precision, as read and as computed
  SingleSquare,  // and b1² formed in single precision where the row says so
  Doubles,       // and the givens as doubles, each difference taken from operands rounded to double
};
inline constexpr std::size_t kArithmetics = 4;

// Why a length of the program is not the exact one.
enum class DigitCause {
  None,            // it is: the exact value gives the program's digits
  StoredB1,        // b1 kept in single precision
  SingleSquare,    // b1² in single precision
  Cancellation,    // double precision subtracting two nearly equal numbers
  DoubleRounding,  // double precision's own rounding, about the 16th digit
};

// Below this many digits lost, a difference is no more than double
// precision's usual last-digit noise.
inline constexpr double kCancellingDigits = 3;

// A difference of two nearly equal numbers, as the program takes it.
struct Cancellation {
  std::size_t step = 0;  // the row's step that takes it
  double larger = 0;     // the two operands' magnitudes
  double smaller = 0;
  double digitsLost = 0;  // log10(larger / |difference|)
};

// How the program's value of a step compares with zero, or that its
// operation fails (a root of a negative number, a division by zero).
enum class StepSign { Fails, Negative, Zero, Positive };

// A row's steps replayed in each arithmetic, and the program's own run.
class RowReplay {
 public:
  // `typed`: the two givens as typed; `read`: as the program read them
  // (b1 before single precision); `program`: the run's lengths, b1 widened.
  RowReplay(int listIndex, const std::array<std::optional<ExactDecimal>, kQuantityCount>& typed,
            const std::array<double, kQuantityCount>& read,
            const std::array<double, kQuantityCount>& program);

  const FormulaValue& Value(Arithmetic arithmetic, Quantity q) const {
    return lengths_.at(static_cast<std::size_t>(arithmetic)).at(static_cast<std::size_t>(q));
  }

  // Why the program writes `box` for the computed length q: the first
  // arithmetic that gives it. `failsOrSign` for a step at which the
  // program stops.
  DigitCause CauseOfBox(Quantity q, const std::string& box, const RegionalSettings& settings) const;
  DigitCause CauseOfStop(Quantity q, StepSign program) const;

  // The worst difference of nearly equal numbers in the program's run of
  // the steps that q's value comes from, q's own included.
  std::optional<Cancellation> WorstCancellation(Quantity q) const;

  // The row's first step whose exact value is not positive: where, exactly,
  // there is no triangle.
  std::optional<Quantity> ExactlyNoTriangleAt() const;

  static StepSign SignOf(const FormulaValue& value);

 private:
  DigitCause FromDoubles(Quantity q, bool doublesGiveIt) const;
  std::vector<std::size_t> StepsBehind(Quantity q) const;

  int listIndex_;
  std::array<std::array<FormulaValue, kQuantityCount>, kArithmetics> lengths_;
  std::vector<std::optional<Cancellation>> cancellations_;  // by step, in the program's run
};

}  // namespace rt
