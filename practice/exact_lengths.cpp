#include "practice/exact_lengths.h"

#include <cmath>

#include "model/given_pair.h"

namespace rt {
namespace {

// The positive root of x² + p·x − q² = 0 (p, q > 0), without the
// cancellation of −p + √(p² + 4q²) when q is small beside p.
double PositiveRoot(double p, double q) { return 2.0 * q * q / (p + std::sqrt(p * p + 4.0 * q * q)); }

}  // namespace

std::optional<std::array<double, kQuantityCount>> ExactLengths(int listIndex, double first, double second) {
  if (!(first > 0.0) || !(second > 0.0)) return std::nullopt;
  // Every row comes down to the two projections; the rest follows from them.
  double a1 = 0.0;
  double b1 = 0.0;
  const double x = first;
  const double y = second;
  switch (listIndex) {
    case 0: {  // a,b
      const double c = std::sqrt(x * x + y * y);
      a1 = x * x / c;
      b1 = y * y / c;
      break;
    }
    case 1:  // a,c
      if (!(x < y)) return std::nullopt;
      a1 = x * x / y;
      b1 = y - a1;
      break;
    case 2:  // a,hc
      if (!(y < x)) return std::nullopt;
      a1 = std::sqrt((x - y) * (x + y));
      b1 = y * y / a1;
      break;
    case 3:  // a,a1
      if (!(y < x)) return std::nullopt;
      a1 = y;
      b1 = (x - y) * (x + y) / y;
      break;
    case 4:  // a,b1
      b1 = y;
      a1 = PositiveRoot(y, x);
      break;
    case 5:  // b,c
      if (!(x < y)) return std::nullopt;
      b1 = x * x / y;
      a1 = y - b1;
      break;
    case 6:  // b,hc
      if (!(y < x)) return std::nullopt;
      b1 = std::sqrt((x - y) * (x + y));
      a1 = y * y / b1;
      break;
    case 7:  // b,a1
      a1 = y;
      b1 = PositiveRoot(y, x);
      break;
    case 8:  // b,b1
      if (!(y < x)) return std::nullopt;
      b1 = y;
      a1 = (x - y) * (x + y) / y;
      break;
    case 9: {  // c,hc: the projections are the roots of t² − c·t + hc² = 0
      const double discriminant = (x - 2.0 * y) * (x + 2.0 * y);
      if (!(discriminant >= 0.0)) return std::nullopt;
      b1 = (x + std::sqrt(discriminant)) / 2.0;
      a1 = y * y / b1;
      break;
    }
    case 10:  // c,a1
      if (!(y < x)) return std::nullopt;
      a1 = y;
      b1 = x - y;
      break;
    case 11:  // c,b1
      if (!(y < x)) return std::nullopt;
      b1 = y;
      a1 = x - y;
      break;
    case 12:  // hc,a1
      a1 = y;
      b1 = x * x / y;
      break;
    case 13:  // hc,b1
      b1 = y;
      a1 = x * x / y;
      break;
    case 14:  // a1,b1
      a1 = x;
      b1 = y;
      break;
    default: return std::nullopt;
  }
  if (!(a1 > 0.0) || !(b1 > 0.0) || !std::isfinite(a1) || !std::isfinite(b1)) return std::nullopt;
  const double c = a1 + b1;
  std::array<double, kQuantityCount> lengths = {
      std::sqrt(c * a1), std::sqrt(c * b1), c, std::sqrt(a1 * b1), a1, b1};
  // The given values stay exactly as given.
  const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(listIndex)];
  lengths[static_cast<std::size_t>(IndexOf(pair.first))] = x;
  lengths[static_cast<std::size_t>(IndexOf(pair.second))] = y;
  return lengths;
}

}  // namespace rt
