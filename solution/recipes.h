#pragma once

#include <array>
#include <string_view>

#include "model/given_pair.h"
#include "model/quantity.h"

namespace rt {

// The relations of a right triangle that the recipes apply.
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

// One step of a recipe: the length it computes, the relation, and the
// formula in the order of operations the solver follows.
struct RecipeStep {
  Quantity quantity;
  Relation relation;
  std::string_view formula;  // plain UTF-8: "hc = a·b/c"
};

// The four steps of each of the fifteen pairs, in the order in which the
// solver computes them.
const std::array<RecipeStep, 4>& RecipeOfRow(int listIndex);

// Whether the step solves a quadratic equation (rows a,b1, b,a1 and c,hc).
constexpr bool IsQuadratic(Relation relation) {
  return relation == Relation::QuadraticForA1 || relation == Relation::QuadraticForB1 ||
         relation == Relation::QuadraticForB1FromC;
}

// The relation in words and as a formula.
std::string_view RelationName(Relation relation);
std::string_view RelationFormula(Relation relation);

}  // namespace rt
