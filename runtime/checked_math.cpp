#include "runtime/checked_math.h"

#include <cmath>
#include <limits>

namespace rt {
namespace {

constexpr double kSingleMax = std::numeric_limits<float>::max();
// Half a unit in the last place of the largest single: a double below
// kSingleMax + kSingleHalfUlp still rounds to the largest single, one at or
// above it rounds to infinity (the largest single's last bit is odd, so the
// tie goes up).
constexpr double kSingleHalfUlp = 0x1p103;

}  // namespace

void CheckedMath::Raise(RuntimeError error) {
  if (error_ == RuntimeError::None) error_ = error;
}

double CheckedMath::Finite(double result) {
  if (!std::isfinite(result)) {
    Raise(std::isnan(result) ? RuntimeError::InvalidOperation : RuntimeError::Overflow);
    return 0.0;
  }
  return result;
}

double CheckedMath::Div(double x, double y) {
  if (y == 0.0) {
    Raise(RuntimeError::DivisionByZero);
    return 0.0;
  }
  return Finite(x / y);
}

double CheckedMath::Sqrt(double x) {
  if (std::isnan(x) || x < 0.0) {
    Raise(RuntimeError::InvalidOperation);
    return 0.0;
  }
  return Finite(std::sqrt(x));
}

float CheckedMath::ToSingle(double x) {
  if (std::isnan(x)) {
    Raise(RuntimeError::InvalidOperation);
    return 0.0f;
  }
  const double magnitude = std::fabs(x);
  if (magnitude >= kSingleMax + kSingleHalfUlp) {
    Raise(RuntimeError::Overflow);
    return 0.0f;
  }
  if (magnitude > kSingleMax) return static_cast<float>(std::copysign(kSingleMax, x));
  return static_cast<float>(x);
}

}  // namespace rt
