#include "solution/relation_texts.h"

namespace rt {

// The names of the school books; "first" and "second" theorem are avoided,
// as the books number them differently.
std::string_view RelationName(Relation relation) {
  switch (relation) {
    case Relation::Pythagoras: return "Питагорова теорема";
    case Relation::PythagorasOnLegA: return "Питагорова теорема за триъгълника с хипотенуза a";
    case Relation::PythagorasOnLegB: return "Питагорова теорема за триъгълника с хипотенуза b";
    case Relation::Area: return "от лицето S = a·b/2 = c·hc/2";
    case Relation::AltitudeSquare: return "Евклидова теорема за височината";
    case Relation::LegASquare:
    case Relation::LegBSquare: return "Евклидова теорема за катета";
    case Relation::HypotenuseSum: return "хипотенузата е сбор от проекциите на катетите върху нея";
    case Relation::QuadraticForA1:
    case Relation::QuadraticForB1: return "Евклидова теорема за катета и c = a1 + b1";
    case Relation::QuadraticForB1FromC: return "Евклидова теорема за височината и c = a1 + b1";
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
