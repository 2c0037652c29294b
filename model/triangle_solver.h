#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/quantity.h"
#include "model/triangle_fault.h"
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
  // The quantities that the row's recipe computed, in its order (fewer when
  // a step failed: the failing one is the last).
  std::array<Quantity, kQuantityCount> computed{};
  int computedCount = 0;
  std::optional<Quantity> failedAt;  // the step that met the run's error
  // The run's lengths, b1 widened from its single value; for a failed run as
  // far as they were computed (a failed operation gives 0).
  std::array<double, kQuantityCount> values{};
  std::array<std::string, kQuantityCount> texts;  // the same, as the boxes write them
  // When the run writes: the six texts had b1 been held in double precision
  // throughout. Where they differ from the written ones, b1's seven
  // significant digits show in the last decimal.
  std::array<std::string, kQuantityCount> doubleTexts;
};

// The same run, telling also how it went.
SolveOutcome SolveTriangle(const SolverInput& input, const RegionalSettings& settings, SolveDetail& detail);

}  // namespace rt
