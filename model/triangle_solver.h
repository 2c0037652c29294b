#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/quantity.h"
#include "model/triangle_fault.h"
#include "runtime/number_reading.h"
#include "runtime/regional_settings.h"
#include "runtime/runtime_error.h"

namespace rt {

// What the Calculate button sees: the selected list index, the six check-box
// values (1 = ticked) and the six value-box texts, indexed by Quantity.
struct SolverInput {
  int listIndex = -1;
  std::array<int, kQuantityCount> checks{};
  std::array<std::string_view, kQuantityCount> texts{};
};

// The input as the window leaves it when the student has chosen the row
// `listIndex` (0 to 14) and typed `first` and `second` into its two boxes:
// those two ticked, the other four empty and unticked.
SolverInput InputForTypedPair(int listIndex, std::string_view first, std::string_view second);

enum class SolveStatus {
  Written,    // `texts` holds the six new box texts
  Unchanged,  // a ticked box holds no positive number: nothing is written
  Failed,     // the computation raised a run-time error: nothing is written
};

struct SolveOutcome {
  SolveStatus status = SolveStatus::Unchanged;
  RuntimeError error = RuntimeError::None;    // set when Failed
  TriangleFault fault = TriangleFault::None;  // when Failed: the broken condition, if any
  std::array<std::string, kQuantityCount> texts;
};

// Computes all six lengths from the two given ones of the selected pair and
// writes them with seven decimals, or leaves everything unchanged.
//
// Every ticked box must hold a number greater than 0; unticked boxes are
// never read for their number. Each pair has its fixed closed-form recipe;
// `b1` is held in single precision, and where `b1` is given together with a
// leg its square is formed in single precision too, which shows in the
// seventh decimal (b = 4, b1 = 3.2 gives a = 2.9999997). A given quantity is
// never recomputed. A list index outside 0 to 14 computes nothing and writes
// six zeros.
SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings);

// How a run went, step by step, for its worked solution.
struct SolveDetail {
  struct Given {
    Quantity quantity = Quantity::A;
    std::string text;       // as typed
    NumberReading reading;  // the number read from it (b1 before its rounding to single)
  };
  int listIndex = -1;
  // The row's two given quantities, first then second; none for a list
  // index that names no pair. Filled in before anything can stop the run.
  std::vector<Given> given;
  // The quantities that the row's recipe computed, in its order, up to and
  // including the first one whose operation failed.
  std::array<Quantity, kQuantityCount> computed{};
  int computedCount = 0;
  std::optional<Quantity> failedAt;  // the step that met the run's error
  // The run's lengths, b1 widened from its single value; for a failed run as
  // far as they were computed (a failed operation gives 0).
  std::array<double, kQuantityCount> values{};
  std::array<std::string, kQuantityCount> texts;  // the same, as the boxes write them
};

// The same run, telling also how it went.
SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings, SolveDetail& detail);

// The solver with detail, as a window's logic calls it.
using Solver = SolveOutcome (*)(const SolverInput& input, const RegionalSettings& settings,
                                SolveDetail& detail);

}  // namespace rt
