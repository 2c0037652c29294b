#pragma once

#include <array>
#include <optional>

#include "model/formula.h"
#include "model/given_pair.h"
#include "model/quantity.h"
#include "model/triangle_fault.h"

namespace rt {

// The relations of a right triangle that the steps apply.
enum class Relation {
  Pythagoras,          // c² = a² + b²
  PythagorasOnLegA,    // a² = hc² + a1², in the triangle cut off by the altitude
  PythagorasOnLegB,    // b² = hc² + b1²
  Area,                // a·b = c·hc
  AltitudeSquare,      // hc² = a1·b1
  LegASquare,          // a² = a1·c
  LegBSquare,          // b² = b1·c
  HypotenuseSum,       // c = a1 + b1
  QuadraticForA1,      // a² = a1·c with c = a1 + b1
  QuadraticForB1,      // b² = b1·c with c = a1 + b1
  QuadraticForB1FromC  // hc² = a1·b1 with a1 = c − b1
};

// The program keeps b1 in single precision: a b1 that is read or computed is
// rounded to single at once, and widened exactly where it is used.
constexpr bool IsKeptSingle(Quantity q) { return q == Quantity::B1; }

// One step of a row: the length it computes, the relation it follows from,
// and its formula in the solver's order of operations.
struct RowStep {
  Quantity quantity;
  Relation relation;
  Formula formula;
};

// When two given values describe a triangle: `lower` < `upper`, computed
// from the given values. Where they are equal the row's computation gives
// a segment, fails, or (c,hc, hc = c/2) still gives a triangle.
struct TriangleCondition {
  enum class AtEquality { NoCondition, Segment, Fails, Triangle };
  AtEquality atEquality = AtEquality::NoCondition;  // NoCondition: every positive pair has a triangle
  Formula lower;
  Formula upper;
  TriangleFault fault = TriangleFault::None;  // what the givens break beyond the boundary
};

// The quadratic equation x² ± p·x ∓ q² = 0 that the row's first step solves:
// for a,b1 a1² + b1·a1 − a² = 0, for b,a1 b1² + a1·b1 − b² = 0, for c,hc
// b1² − c·b1 + hc² = 0.
struct RowQuadratic {
  Quantity unknown;
  Quantity linear;    // the given length in p
  Quantity constant;  // the given length squared in q
  bool minus;         // −c·x + hc² (c,hc) rather than +p·x − q²
};

// A row of the pair list with all of its mathematics: the four steps in the
// solver's order, the condition for a triangle and the quadratic.
struct TriangleRow {
  std::array<RowStep, 4> steps;
  TriangleCondition condition;
  std::optional<RowQuadratic> quadratic;
};

// The row of a list index 0 to 14.
const TriangleRow& RowOf(int listIndex);

// The row that names the same two lengths with the legs' names swapped, of
// the two the one earlier in the list: b,c is a,c of the mirrored triangle,
// whose projections change places. The row itself where the swap gives no
// other row (c,hc, a1,b1).
int MirrorRowOf(int listIndex);

}  // namespace rt
