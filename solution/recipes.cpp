#include "solution/recipes.h"

namespace rt {
namespace {

using Q = Quantity;
using R = Relation;

// clang-format off
constexpr std::array<std::array<RecipeStep, 4>, kGivenPairCount> kRecipes = {{
  /* a,b */  {{{Q::C, R::Pythagoras, "c = √(a² + b²)"}, {Q::Hc, R::Area, "hc = a·b/c"},
               {Q::A1, R::LegASquare, "a1 = a²/c"}, {Q::B1, R::LegBSquare, "b1 = b²/c"}}},
  /* a,c */  {{{Q::B, R::Pythagoras, "b = √(c² − a²)"}, {Q::Hc, R::Area, "hc = a·b/c"},
               {Q::A1, R::LegASquare, "a1 = a²/c"}, {Q::B1, R::LegBSquare, "b1 = b²/c"}}},
  /* a,hc */ {{{Q::A1, R::PythagorasOnLegA, "a1 = √(a² − hc²)"}, {Q::C, R::LegASquare, "c = a²/a1"},
               {Q::B1, R::HypotenuseSum, "b1 = c − a1"}, {Q::B, R::Pythagoras, "b = √(c² − a²)"}}},
  /* a,a1 */ {{{Q::Hc, R::PythagorasOnLegA, "hc = √(a² − a1²)"}, {Q::B1, R::AltitudeSquare, "b1 = hc²/a1"},
               {Q::C, R::HypotenuseSum, "c = a1 + b1"}, {Q::B, R::Pythagoras, "b = √(c² − a²)"}}},
  /* a,b1 */ {{{Q::A1, R::QuadraticForA1, "a1 = (−b1 + √(b1² + 4·a²))/2"}, {Q::C, R::HypotenuseSum, "c = a1 + b1"},
               {Q::B, R::LegBSquare, "b = √(c·b1)"}, {Q::Hc, R::AltitudeSquare, "hc = √(a1·b1)"}}},
  /* b,c */  {{{Q::A, R::Pythagoras, "a = √(c² − b²)"}, {Q::Hc, R::Area, "hc = a·b/c"},
               {Q::A1, R::LegASquare, "a1 = a²/c"}, {Q::B1, R::LegBSquare, "b1 = b²/c"}}},
  /* b,hc */ {{{Q::B1, R::PythagorasOnLegB, "b1 = √(b² − hc²)"}, {Q::A1, R::AltitudeSquare, "a1 = hc²/b1"},
               {Q::C, R::HypotenuseSum, "c = a1 + b1"}, {Q::A, R::LegASquare, "a = √(c·a1)"}}},
  /* b,a1 */ {{{Q::B1, R::QuadraticForB1, "b1 = (−a1 + √(a1² + 4·b²))/2"}, {Q::C, R::HypotenuseSum, "c = a1 + b1"},
               {Q::A, R::LegASquare, "a = √(c·a1)"}, {Q::Hc, R::AltitudeSquare, "hc = √(a1·b1)"}}},
  /* b,b1 */ {{{Q::Hc, R::PythagorasOnLegB, "hc = √(b² − b1²)"}, {Q::A1, R::AltitudeSquare, "a1 = hc²/b1"},
               {Q::C, R::HypotenuseSum, "c = a1 + b1"}, {Q::A, R::LegASquare, "a = √(c·a1)"}}},
  /* c,hc */ {{{Q::B1, R::QuadraticForB1FromC, "b1 = (c + √(c² − 4·hc²))/2"}, {Q::A1, R::AltitudeSquare, "a1 = hc²/b1"},
               {Q::A, R::LegASquare, "a = √(c·a1)"}, {Q::B, R::LegBSquare, "b = √(c·b1)"}}},
  /* c,a1 */ {{{Q::B1, R::HypotenuseSum, "b1 = c − a1"}, {Q::A, R::LegASquare, "a = √(c·a1)"},
               {Q::B, R::LegBSquare, "b = √(c·b1)"}, {Q::Hc, R::AltitudeSquare, "hc = √(a1·b1)"}}},
  /* c,b1 */ {{{Q::A1, R::HypotenuseSum, "a1 = c − b1"}, {Q::A, R::LegASquare, "a = √(c·a1)"},
               {Q::B, R::LegBSquare, "b = √(c·b1)"}, {Q::Hc, R::AltitudeSquare, "hc = √(a1·b1)"}}},
  /* hc,a1 */{{{Q::B1, R::AltitudeSquare, "b1 = hc²/a1"}, {Q::C, R::HypotenuseSum, "c = a1 + b1"},
               {Q::A, R::LegASquare, "a = √(c·a1)"}, {Q::B, R::LegBSquare, "b = √(c·b1)"}}},
  /* hc,b1 */{{{Q::A1, R::AltitudeSquare, "a1 = hc²/b1"}, {Q::C, R::HypotenuseSum, "c = a1 + b1"},
               {Q::A, R::LegASquare, "a = √(c·a1)"}, {Q::B, R::LegBSquare, "b = √(c·b1)"}}},
  /* a1,b1 */{{{Q::Hc, R::AltitudeSquare, "hc = √(a1·b1)"}, {Q::C, R::HypotenuseSum, "c = a1 + b1"},
               {Q::A, R::LegASquare, "a = √(c·a1)"}, {Q::B, R::LegBSquare, "b = √(c·b1)"}}},
}};
// clang-format on

}  // namespace

const std::array<RecipeStep, 4>& RecipeOfRow(int listIndex) {
  return kRecipes.at(static_cast<std::size_t>(listIndex));
}

// The names of the school books; "first" and "second" theorem are avoided,
// as the books number them differently.
std::string_view RelationName(Relation relation) {
  switch (relation) {
    case Relation::Pythagoras: return "Питагорова теорема";
    case Relation::PythagorasOnLegA: return "Питагорова теорема за триъгълника с хипотенуза a";
    case Relation::PythagorasOnLegB: return "Питагорова теорема за триъгълника с хипотенуза b";
    case Relation::Area: return "лицето по два начина";
    case Relation::AltitudeSquare: return "теорема за височината";
    case Relation::LegASquare:
    case Relation::LegBSquare: return "Евклидова теорема за катета";
    case Relation::HypotenuseSum: return "петата на височината дели хипотенузата на двете проекции";
    case Relation::QuadraticForA1:
    case Relation::QuadraticForB1: return "Евклидова теорема за катета и c = a1 + b1";
    case Relation::QuadraticForB1FromC: return "теорема за височината и c = a1 + b1";
  }
  return {};
}

std::string_view RelationFormula(Relation relation) {
  switch (relation) {
    case Relation::Pythagoras: return "c² = a² + b²";
    case Relation::PythagorasOnLegA: return "a² = hc² + a1²";
    case Relation::PythagorasOnLegB: return "b² = hc² + b1²";
    case Relation::Area: return "c·hc = a·b";
    case Relation::AltitudeSquare: return "hc² = a1·b1";
    case Relation::LegASquare: return "a² = a1·c";
    case Relation::LegBSquare: return "b² = b1·c";
    case Relation::HypotenuseSum: return "c = a1 + b1";
    case Relation::QuadraticForA1: return "a² = a1·c";
    case Relation::QuadraticForB1: return "b² = b1·c";
    case Relation::QuadraticForB1FromC: return "hc² = a1·b1";
  }
  return {};
}

}  // namespace rt
