#pragma once

namespace rt {

// The run-time errors that the number operations raise. A raised error
// abandons the computation that met it; the caller decides what to tell.
enum class RuntimeError {
  None,
  InvalidOperation,  // square root of a negative number
  DivisionByZero,    // a division whose divisor is zero
  Overflow,          // a result beyond the double range, a value beyond the
                     // single range stored as single, or a text whose number
                     // is beyond the double range
};

}  // namespace rt
