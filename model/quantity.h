#pragma once

#include <array>
#include <string_view>

namespace rt {

// The six lengths of a right triangle, in the fixed order that indexes the
// window's check boxes and value boxes.
enum class Quantity : int {
  A = 0,   // first leg
  B = 1,   // second leg
  C = 2,   // hypotenuse
  Hc = 3,  // altitude from the right angle to the hypotenuse
  A1 = 4,  // projection of leg a on the hypotenuse
  B1 = 5,  // projection of leg b on the hypotenuse
};

inline constexpr int kQuantityCount = 6;

inline constexpr std::array<std::string_view, kQuantityCount> kQuantitySymbols = {"a",  "b",  "c",
                                                                                  "hc", "a1", "b1"};

constexpr int IndexOf(Quantity q) { return static_cast<int>(q); }
constexpr std::string_view SymbolOf(Quantity q) { return kQuantitySymbols[static_cast<std::size_t>(q)]; }

}  // namespace rt
