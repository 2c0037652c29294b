#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/quantity.h"
#include "model/triangle_solver.h"
#include "runtime/regional_settings.h"
#include "solution/math_text.h"

namespace rt {

// One computed length: the relation it follows from, the formula, the
// formula with the printed numbers put in, and the result. Every number it
// prints can be checked on a calculator: the substitution, redone with the
// numbers as printed, gives the result to its last digit ("=" where it is
// exactly that, "≈" where it is rounded), or a note says why not.
struct SolutionStep {
  Quantity quantity = Quantity::A;
  std::string relation;              // in words: "Питагорова теорема"
  MathText relationFormula;          // c² = a² + b²
  std::vector<MathText> derivation;  // the quadratic equation, its discriminant and roots
  MathText formula;                  // c = √(a² + b²)
  MathText substituted;              // c = √(3² + 4²)
  // The length with the digits that later steps need, where the box's seven
  // decimals are not enough: "a1 ≈ 0,027016046"; empty otherwise.
  MathText working;
  // "c = 5,0000000": exactly the text that "Изчисли" writes into the box;
  // where the solution stops at this length, its value ("b1 = −1").
  MathText result;
  std::vector<std::string> notes;  // b1's single precision, the program's rounding, a shorter route
};

// The worked solution of one calculation, from the run that fills the boxes.
struct WorkedSolution {
  enum class Outcome {
    Solved,       // all steps, and the six texts written
    NotPositive,  // a given value is not a positive number: it stops at once
    Failed,       // a step fails: it stops there
    NoPair,       // the list index names no pair
    Degenerate,   // the boxes are written, but a length is 0: no triangle
  };
  Outcome outcome = Outcome::NoPair;
  std::vector<MathText> given;          // "a = 3", "b1 = 3,2": as typed, in the regional decimal sign
  std::vector<std::string> givenNotes;  // how a given b1 is kept
  std::vector<Quantity> sought;         // the other four
  std::vector<SolutionStep> steps;
  std::vector<MathText> check;  // „Проверка“: a² + b² = c² and a·b = c·hc with the written lengths
  std::vector<std::string> stop;  // why it stops, in the window's words, and the advice
  // When the boxes are written: their six texts and the lengths they stand
  // for (b1 widened from its single value), by Quantity, for a drawing.
  std::array<std::string, kQuantityCount> texts;
  std::array<double, kQuantityCount> lengths{};
};

// The solution of the run that `detail` and `outcome` describe.
WorkedSolution WorkedSolutionOf(const SolveDetail& detail, const SolveOutcome& outcome,
                                const RegionalSettings& settings);

// Solves the row `listIndex` with the two given texts as typed, once, and
// gives its solution.
WorkedSolution SolveWithSteps(int listIndex, std::string_view first, std::string_view second,
                              const RegionalSettings& settings);

// The solution as plain UTF-8 text, one line per line, ending in a line end.
std::string PlainSolution(const WorkedSolution& solution);

}  // namespace rt
