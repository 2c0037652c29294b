#pragma once

#include "runtime/runtime_error.h"

namespace rt {

// Double-precision arithmetic that raises the forms runtime's run-time errors
// instead of producing infinities or NaNs. The first error sticks: once one is
// raised, the computation counts as abandoned and later operations raise no
// other, so the caller may finish its sequence of steps and look at error()
// once, writing nothing when it is set.
class CheckedMath {
 public:
  double Add(double x, double y) { return Finite(x + y); }
  double Sub(double x, double y) { return Finite(x - y); }
  double Mul(double x, double y) { return Finite(x * y); }
  double Div(double x, double y);
  double Sqrt(double x);

  // The nearest single-precision value; a value that rounds beyond the single
  // range overflows (converting it directly would be undefined behaviour).
  float ToSingle(double x);

  // The square of a single, itself rounded to single precision.
  float SingleSquare(float x) { return ToSingle(static_cast<double>(x) * x); }

  RuntimeError error() const { return error_; }
  bool failed() const { return error_ != RuntimeError::None; }

 private:
  double Finite(double result);
  void Raise(RuntimeError error);

  RuntimeError error_ = RuntimeError::None;
};

}  // namespace rt
