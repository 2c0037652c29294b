#include "model/triangle_rows.h"

#include <utility>

namespace rt {
namespace {

using Q = Quantity;
using R = Relation;
using E = TriangleCondition::AtEquality;
using F = TriangleFault;
using namespace formula_operators;

using namespace formula_lengths;

// Each formula is the solver's, operation for operation: (4·a)·a is not
// 4·(a·a) in double precision.
// clang-format off
constexpr std::array<TriangleRow, kGivenPairCount> kRows = {{
  /* a,b */ {{{{Q::C, R::Pythagoras, Sqrt(a * a + b * b)}, {Q::Hc, R::Area, a * b / c},
              {Q::A1, R::LegASquare, a * a / c}, {Q::B1, R::LegBSquare, b * b / c}}},
            {}, std::nullopt},
  /* a,c */ {{{{Q::B, R::Pythagoras, Sqrt(c * c - a * a)}, {Q::Hc, R::Area, a * b / c},
              {Q::A1, R::LegASquare, a * a / c}, {Q::B1, R::LegBSquare, b * b / c}}},
            {E::Segment, a, c, F::LegNotShorterThanHypotenuse}, std::nullopt},
  /* a,hc */ {{{{Q::A1, R::PythagorasOnLegA, Sqrt(a * a - hc * hc)}, {Q::C, R::LegASquare, a * a / a1},
               {Q::B1, R::HypotenuseSum, c - a1}, {Q::B, R::Pythagoras, Sqrt(c * c - a * a)}}},
             {E::Fails, hc, a, F::AltitudeNotShorterThanLeg}, std::nullopt},
  /* a,a1 */ {{{{Q::Hc, R::PythagorasOnLegA, Sqrt(a * a - a1 * a1)}, {Q::B1, R::AltitudeSquare, hc * hc / a1},
               {Q::C, R::HypotenuseSum, a1 + b1}, {Q::B, R::Pythagoras, Sqrt(c * c - a * a)}}},
             {E::Segment, a1, a, F::ProjectionLongerThanLeg}, std::nullopt},
  /* a,b1 */ {{{{Q::A1, R::QuadraticForA1, (-b1 + Sqrt(SingleSquare(b1) + 4 * a * a)) / 2},
               {Q::C, R::HypotenuseSum, a1 + b1}, {Q::B, R::LegBSquare, Sqrt(c * b1)},
               {Q::Hc, R::AltitudeSquare, Sqrt(a1 * b1)}}},
             {}, RowQuadratic{Q::A1, Q::B1, Q::A, false}},
  /* b,c */ {{{{Q::A, R::Pythagoras, Sqrt(c * c - b * b)}, {Q::Hc, R::Area, a * b / c},
              {Q::A1, R::LegASquare, a * a / c}, {Q::B1, R::LegBSquare, b * b / c}}},
            {E::Segment, b, c, F::LegNotShorterThanHypotenuse}, std::nullopt},
  /* b,hc */ {{{{Q::B1, R::PythagorasOnLegB, Sqrt(b * b - hc * hc)}, {Q::A1, R::AltitudeSquare, hc * hc / b1},
               {Q::C, R::HypotenuseSum, a1 + b1}, {Q::A, R::LegASquare, Sqrt(c * a1)}}},
             {E::Fails, hc, b, F::AltitudeNotShorterThanLeg}, std::nullopt},
  /* b,a1 */ {{{{Q::B1, R::QuadraticForB1, (-a1 + Sqrt(a1 * a1 + 4 * b * b)) / 2},
               {Q::C, R::HypotenuseSum, a1 + b1}, {Q::A, R::LegASquare, Sqrt(c * a1)},
               {Q::Hc, R::AltitudeSquare, Sqrt(a1 * b1)}}},
             {}, RowQuadratic{Q::B1, Q::A1, Q::B, false}},
  /* b,b1 */ {{{{Q::Hc, R::PythagorasOnLegB, Sqrt(b * b - SingleSquare(b1))}, {Q::A1, R::AltitudeSquare, hc * hc / b1},
               {Q::C, R::HypotenuseSum, a1 + b1}, {Q::A, R::LegASquare, Sqrt(c * a1)}}},
             {E::Segment, b1, b, F::ProjectionLongerThanLeg}, std::nullopt},
  /* c,hc */ {{{{Q::B1, R::QuadraticForB1FromC, (c + Sqrt(c * c - 4 * hc * hc)) / 2},
               {Q::A1, R::AltitudeSquare, hc * hc / b1}, {Q::A, R::LegASquare, Sqrt(c * a1)},
               {Q::B, R::LegBSquare, Sqrt(c * b1)}}},
             {E::Triangle, hc, c / 2, F::AltitudeAboveHalfHypotenuse}, RowQuadratic{Q::B1, Q::C, Q::Hc, true}},
  /* c,a1 */ {{{{Q::B1, R::HypotenuseSum, c - a1}, {Q::A, R::LegASquare, Sqrt(c * a1)},
               {Q::B, R::LegBSquare, Sqrt(c * b1)}, {Q::Hc, R::AltitudeSquare, Sqrt(a1 * b1)}}},
             {E::Segment, a1, c, F::ProjectionLongerThanHypotenuse}, std::nullopt},
  /* c,b1 */ {{{{Q::A1, R::HypotenuseSum, c - b1}, {Q::A, R::LegASquare, Sqrt(c * a1)},
               {Q::B, R::LegBSquare, Sqrt(c * b1)}, {Q::Hc, R::AltitudeSquare, Sqrt(a1 * b1)}}},
             {E::Segment, b1, c, F::ProjectionLongerThanHypotenuse}, std::nullopt},
  /* hc,a1 */ {{{{Q::B1, R::AltitudeSquare, hc * hc / a1}, {Q::C, R::HypotenuseSum, a1 + b1},
                {Q::A, R::LegASquare, Sqrt(c * a1)}, {Q::B, R::LegBSquare, Sqrt(c * b1)}}},
              {}, std::nullopt},
  /* hc,b1 */ {{{{Q::A1, R::AltitudeSquare, hc * hc / b1}, {Q::C, R::HypotenuseSum, a1 + b1},
                {Q::A, R::LegASquare, Sqrt(c * a1)}, {Q::B, R::LegBSquare, Sqrt(c * b1)}}},
              {}, std::nullopt},
  /* a1,b1 */ {{{{Q::Hc, R::AltitudeSquare, Sqrt(a1 * b1)}, {Q::C, R::HypotenuseSum, a1 + b1},
                {Q::A, R::LegASquare, Sqrt(c * a1)}, {Q::B, R::LegBSquare, Sqrt(c * b1)}}},
              {}, std::nullopt},
}};
// clang-format on

// Every row computes each length that is not given, exactly once.
constexpr bool EveryRowComputesTheRest() {
  for (std::size_t k = 0; k < kRows.size(); ++k) {
    std::array<int, kQuantityCount> times{};
    times.at(static_cast<std::size_t>(kGivenPairs.at(k).first)) += 1;
    times.at(static_cast<std::size_t>(kGivenPairs.at(k).second)) += 1;
    for (const RowStep& step : kRows.at(k).steps) times.at(static_cast<std::size_t>(step.quantity)) += 1;
    for (const int t : times) {
      if (t != 1) return false;
    }
  }
  return true;
}
static_assert(EveryRowComputesTheRest());

}  // namespace

const TriangleRow& RowOf(int listIndex) { return kRows.at(static_cast<std::size_t>(listIndex)); }

int MirrorRowOf(int listIndex) {
  const auto mirrored = [](Quantity q) {
    switch (q) {
      case Q::A: return Q::B;
      case Q::B: return Q::A;
      case Q::A1: return Q::B1;
      case Q::B1: return Q::A1;
      default: return q;
    }
  };
  const GivenPair& pair = kGivenPairs.at(static_cast<std::size_t>(listIndex));
  Quantity first = mirrored(pair.first);
  Quantity second = mirrored(pair.second);
  if (IndexOf(first) > IndexOf(second)) std::swap(first, second);
  for (int k = 0; k < listIndex; ++k) {
    const GivenPair& other = kGivenPairs.at(static_cast<std::size_t>(k));
    if (other.first == first && other.second == second) return k;
  }
  return listIndex;
}

}  // namespace rt
