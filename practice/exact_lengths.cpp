#include "practice/exact_lengths.h"

#include <cmath>
#include <utility>

#include "model/given_pair.h"

namespace rt {
namespace {

// The positive root of x² + p·x − q² = 0 (p, q > 0), without the
// cancellation of −p + √(p² + 4q²) when q is small beside p.
double PositiveRoot(double p, double q) { return 2.0 * q * q / (p + std::sqrt(p * p + 4.0 * q * q)); }

// The row that names the same two values with the legs' names swapped (b,c
// is a,c of the mirrored triangle, whose projections change places); the
// row itself where the swap gives no other row or the rows differ (c,hc
// takes the larger projection as b1).
constexpr int kMirrorOf[kGivenPairCount] = {0, 1, 2, 3, 4, 1, 2, 4, 3, 9, 10, 10, 12, 12, 14};

// The projections (a1, b1) of the rows that name a, c, hc, a1 or both
// projections; nullopt where the values give no triangle.
std::optional<std::pair<double, double>> Projections(int row, double x, double y) {
  switch (row) {
    case 0: {  // a,b
      const double c = std::sqrt(x * x + y * y);
      return std::pair{x * x / c, y * y / c};
    }
    case 1:  // a,c
      if (!(x < y)) return std::nullopt;
      return std::pair{x * x / y, y - x * x / y};
    case 2: {  // a,hc
      if (!(y < x)) return std::nullopt;
      const double a1 = std::sqrt((x - y) * (x + y));
      return std::pair{a1, y * y / a1};
    }
    case 3:  // a,a1
      if (!(y < x)) return std::nullopt;
      return std::pair{y, (x - y) * (x + y) / y};
    case 4:  // a,b1
      return std::pair{PositiveRoot(y, x), y};
    case 9: {  // c,hc: the projections are the roots of t² − c·t + hc² = 0
      const double discriminant = (x - 2.0 * y) * (x + 2.0 * y);
      if (!(discriminant >= 0.0)) return std::nullopt;
      const double b1 = (x + std::sqrt(discriminant)) / 2.0;
      return std::pair{y * y / b1, b1};
    }
    case 10:  // c,a1
      if (!(y < x)) return std::nullopt;
      return std::pair{y, x - y};
    case 12:  // hc,a1
      return std::pair{y, x * x / y};
    case 14:  // a1,b1
      return std::pair{x, y};
    default: return std::nullopt;
  }
}

}  // namespace

bool IsWholeLength(double length) {
  return std::fabs(length - std::round(length)) <= 1e-9 + std::fabs(length) * 1e-12;
}

std::optional<std::array<double, kQuantityCount>> ExactLengths(int listIndex, double first, double second) {
  if (!(first > 0.0) || !(second > 0.0) || listIndex < 0 || listIndex >= kGivenPairCount) return std::nullopt;
  // Every row comes down to the two projections; the rest follows from them.
  const int mirror = kMirrorOf[listIndex];
  auto projections = Projections(mirror, first, second);
  if (!projections) return std::nullopt;
  if (mirror != listIndex) std::swap(projections->first, projections->second);
  const auto [a1, b1] = *projections;
  if (!(a1 > 0.0) || !(b1 > 0.0) || !std::isfinite(a1) || !std::isfinite(b1)) return std::nullopt;
  const double c = a1 + b1;
  std::array<double, kQuantityCount> lengths = {
      std::sqrt(c * a1), std::sqrt(c * b1), c, std::sqrt(a1 * b1), a1, b1};
  // The given values stay exactly as given.
  const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(listIndex)];
  lengths[static_cast<std::size_t>(IndexOf(pair.first))] = first;
  lengths[static_cast<std::size_t>(IndexOf(pair.second))] = second;
  return lengths;
}

}  // namespace rt
