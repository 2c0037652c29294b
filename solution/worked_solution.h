#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/quantity.h"
#include "runtime/regional_settings.h"
#include "solution/math_text.h"

namespace rt {

// One computed length: the relation it follows from, the formula, the
// formula with the numbers put in, and the result, which is exactly the text
// that "Изчисли" writes into the length's box.
struct SolutionStep {
  Quantity quantity = Quantity::A;
  std::string relation;              // in words: "Питагорова теорема"
  MathText relationFormula;          // c² = a² + b²
  std::vector<MathText> derivation;  // the quadratic equation, its roots and the choice of root
  MathText formula;                  // c = √(a² + b²)
  MathText substituted;              // c = √(3,0000000² + 4,0000000²)
  MathText result;                   // c = 5,0000000; empty where the step fails
};

// The worked solution of one calculation, from the same computation that
// fills the boxes.
struct WorkedSolution {
  enum class Outcome {
    Solved,       // all steps, and the six texts written
    NotPositive,  // a given value is not a positive number: it stops at once
    Failed,       // a step fails: it stops there
    NoPair,       // the list index names no pair
  };
  Outcome outcome = Outcome::NoPair;
  std::vector<MathText> given;   // "a = 3,0000000", the two given values
  std::vector<Quantity> sought;  // the other four
  std::vector<SolutionStep> steps;
  // Where b1's seven significant digits move a seventh decimal.
  std::string singlePrecisionNote;
  // Why it stops (NotPositive, Failed), in the window's words, and the advice.
  std::vector<std::string> stop;
  // When Solved: the six texts that "Изчисли" writes and the lengths they
  // stand for (b1 widened from its single value), by Quantity, for a drawing.
  std::array<std::string, kQuantityCount> texts;
  std::array<double, kQuantityCount> lengths{};
};

// The solution for the row `listIndex` with the two given texts as typed, in
// the user's regional settings.
WorkedSolution SolveWithSteps(int listIndex, std::string_view first, std::string_view second,
                              const RegionalSettings& settings);

// The solution as plain UTF-8 text, one line per line, ending in a line end.
std::string PlainSolution(const WorkedSolution& solution);

}  // namespace rt
