#pragma once

namespace rt {

// The condition of a right triangle that the two given values break, found
// when their computation has failed. Which leg, projection or altitude is
// meant follows from the selected pair.
enum class TriangleFault {
  None,                            // no condition is broken in exact arithmetic: the
                                   // rounding near a boundary failed, or a value is too large
  LegNotShorterThanHypotenuse,     // a,c or b,c: the leg is longer than the hypotenuse
  AltitudeNotShorterThanLeg,       // a,hc or b,hc: the altitude is as long as the leg or longer
  ProjectionLongerThanLeg,         // a,a1 or b,b1: the projection is longer than its leg
  ProjectionLongerThanHypotenuse,  // c,a1 or c,b1
  AltitudeAboveHalfHypotenuse,     // c,hc: the altitude exceeds half the hypotenuse
};

// Which condition the given values of the row break, comparing the values as
// read (before `b1` is rounded to single precision).
TriangleFault FindTriangleFault(int listIndex, double first, double second);

// The condition that the row's two given values meet with equality where
// its computation gives a length of 0 (a = c in a,c); None for the rows
// where no equality does.
TriangleFault FaultAtBoundary(int listIndex);

}  // namespace rt
