#include "model/triangle_fault.h"

namespace rt {

TriangleFault FindTriangleFault(int listIndex, double first, double second) {
  switch (listIndex) {
    case 1:  // a,c
    case 5:  // b,c
      return second < first ? TriangleFault::LegNotShorterThanHypotenuse : TriangleFault::None;
    case 2:  // a,hc
    case 6:  // b,hc
      return second >= first ? TriangleFault::AltitudeNotShorterThanLeg : TriangleFault::None;
    case 3:  // a,a1
    case 8:  // b,b1
      return second > first ? TriangleFault::ProjectionLongerThanLeg : TriangleFault::None;
    case 9:  // c,hc
      return second > first / 2 ? TriangleFault::AltitudeAboveHalfHypotenuse : TriangleFault::None;
    case 10:  // c,a1
    case 11:  // c,b1
      return second > first ? TriangleFault::ProjectionLongerThanHypotenuse : TriangleFault::None;
    default: return TriangleFault::None;
  }
}

TriangleFault FaultAtBoundary(int listIndex) {
  switch (listIndex) {
    case 1:
    case 5: return TriangleFault::LegNotShorterThanHypotenuse;
    case 3:
    case 8: return TriangleFault::ProjectionLongerThanLeg;
    case 10:
    case 11: return TriangleFault::ProjectionLongerThanHypotenuse;
    default: return TriangleFault::None;
  }
}

}  // namespace rt
