#include "practice/exact_lengths.h"

#include <cmath>

#include "runtime/number_formatting.h"
#include "runtime/number_reading.h"
#include "solution/exact_triangle.h"

namespace rt {

bool IsWholeLength(double length) {
  return std::fabs(length - std::round(length)) <= 1e-9 + std::fabs(length) * 1e-12;
}

std::optional<std::array<double, kQuantityCount>> ExactLengths(int listIndex, double first, double second) {
  if (!(first > 0.0) || !(second > 0.0)) return std::nullopt;
  // The given values as the decimals they stand for (43,2, not the binary
  // number nearest to it).
  const auto x = ExactDecimal::Parse(ShortestDecimal(first));
  const auto y = ExactDecimal::Parse(ShortestDecimal(second));
  if (!x || !y) return std::nullopt;
  const auto triangle = ExactTriangle(listIndex, *x, *y);
  if (!triangle) return std::nullopt;
  std::array<double, kQuantityCount> lengths{};
  const RegionalSettings posix = RegionalSettings::Posix();
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    // The nearest double: the reading rounds correctly.
    lengths[i] = ReadNumber((*triangle)[i].PlainDigits(), posix).value;
  }
  return lengths;
}

}  // namespace rt
