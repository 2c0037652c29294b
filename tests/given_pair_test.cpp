#include "model/given_pair.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace rt {
namespace {

TEST(GivenPairs, TheFifteenRowsCoverEveryUnorderedPairOnce) {
  std::set<std::pair<int, int>> seen;
  for (int k = 0; k < kGivenPairCount; ++k) {
    const GivenPair pair = *PairOfListIndex(k);
    EXPECT_LT(IndexOf(pair.first), IndexOf(pair.second));
    EXPECT_TRUE(seen.emplace(IndexOf(pair.first), IndexOf(pair.second)).second);
    EXPECT_EQ(pair.listText, std::string(SymbolOf(pair.first)) + "," + std::string(SymbolOf(pair.second)));
  }
  EXPECT_EQ(seen.size(), 15u);
}

TEST(GivenPairs, RowsAreOrderedByFirstThenSecond) {
  for (int k = 1; k < kGivenPairCount; ++k) {
    const GivenPair before = *PairOfListIndex(k - 1);
    const GivenPair pair = *PairOfListIndex(k);
    EXPECT_LT(std::pair(IndexOf(before.first), IndexOf(before.second)),
              std::pair(IndexOf(pair.first), IndexOf(pair.second)));
  }
}

TEST(GivenPairs, KnownRows) {
  EXPECT_EQ(PairOfListIndex(14)->listText, "a1,b1");
  EXPECT_EQ(PairOfListIndex(14)->first, Quantity::A1);
  EXPECT_EQ(PairOfListIndex(14)->second, Quantity::B1);
  EXPECT_EQ(PairOfListIndex(9)->listText, "c,hc");
  EXPECT_EQ(PairOfListIndex(9)->first, Quantity::C);
  EXPECT_EQ(PairOfListIndex(9)->second, Quantity::Hc);
  EXPECT_EQ(ListIndexOfText("hc,b1"), 13);
}

TEST(GivenPairs, IndicesOutsideTheListNameNoPair) {
  for (int k : {-1, -2, 15, 16, 32767}) EXPECT_FALSE(PairOfListIndex(k).has_value()) << k;
  for (const char* text : {"b,a", "a, b", "A,B", "", "a,b,"}) EXPECT_FALSE(ListIndexOfText(text)) << text;
}

}  // namespace
}  // namespace rt
