#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/quantity.h"

namespace rt {

// A row of the pair list: the two given quantities, the lower index first.
// The list index is the pair's only identity at run time.
struct GivenPair {
  Quantity first;
  Quantity second;
  std::string_view listText;
};

inline constexpr int kGivenPairCount = 15;

// Every unordered pair of distinct quantities, ordered by the first and then
// by the second.
inline constexpr std::array<GivenPair, kGivenPairCount> kGivenPairs = {{
    {Quantity::A, Quantity::B, "a,b"},
    {Quantity::A, Quantity::C, "a,c"},
    {Quantity::A, Quantity::Hc, "a,hc"},
    {Quantity::A, Quantity::A1, "a,a1"},
    {Quantity::A, Quantity::B1, "a,b1"},
    {Quantity::B, Quantity::C, "b,c"},
    {Quantity::B, Quantity::Hc, "b,hc"},
    {Quantity::B, Quantity::A1, "b,a1"},
    {Quantity::B, Quantity::B1, "b,b1"},
    {Quantity::C, Quantity::Hc, "c,hc"},
    {Quantity::C, Quantity::A1, "c,a1"},
    {Quantity::C, Quantity::B1, "c,b1"},
    {Quantity::Hc, Quantity::A1, "hc,a1"},
    {Quantity::Hc, Quantity::B1, "hc,b1"},
    {Quantity::A1, Quantity::B1, "a1,b1"},
}};

// The pair of a list index; -1 (no row selected) and 15 and above name none.
constexpr std::optional<GivenPair> PairOfListIndex(int listIndex) {
  if (listIndex < 0 || listIndex >= kGivenPairCount) return std::nullopt;
  return kGivenPairs[static_cast<std::size_t>(listIndex)];
}

// The list index of a list text such as "c,hc", or nullopt.
constexpr std::optional<int> ListIndexOfText(std::string_view text) {
  for (int i = 0; i < kGivenPairCount; ++i) {
    if (kGivenPairs[static_cast<std::size_t>(i)].listText == text) return i;
  }
  return std::nullopt;
}

}  // namespace rt
