#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// What a task set asks: which rows of the pair list its tasks use, whether
// they are easy, and how many there are.
struct PracticeOptions {
  static constexpr std::uint32_t kAllPairs = 0x7FFF;  // bit n: row n of the pair list
  static constexpr int kMaxCount = 16;
  std::uint32_t pairMask = kAllPairs;
  // Easy tasks give two whole numbers, so that the first square root of
  // the solution is of a whole number.
  bool easy = false;
  int count = 6;  // 1 to kMaxCount
  // Whether a task may have no triangle („няма такъв триъгълник“ is then
  // its answer), as in one task in eight of the rows that can have none.
  bool noTriangleTasks = true;
};

// A task set: its options and which of the sets with those options it is.
// The six-character code holds all of it, so a code written on the board
// gives every student the teacher's tasks.
struct PracticeSet {
  static constexpr std::uint32_t kVariants = 1024;
  std::uint32_t variant = 0;  // 0 to kVariants − 1
  PracticeOptions options;
};

inline constexpr int kPracticeCodeLength = 6;
// A set whose every task has a triangle takes a seventh character: the
// six-character codes keep their sets.
inline constexpr int kLongPracticeCodeLength = 7;

// The code's letters and digits: no 0, O, 1, I or l, which are misread.
inline constexpr std::string_view kPracticeCodeAlphabet = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";

// The code of a set: its 30 bits (variant, rows, easy, count) mixed by a
// bijection, so that sets that differ a little get codes that differ
// everywhere, and written five bits to a character; then, for a set with
// no task without a triangle, the character of that option.
std::string PracticeCodeOf(const PracticeSet& set);

// The set of a code, read in either case with the blanks around it ignored;
// nullopt for a text that is no code (wrong length, a character outside the
// alphabet, an unknown seventh character, or no row of the pair list).
std::optional<PracticeSet> PracticeSetOfCode(std::string_view code);

// The rows named by a list such as "a,c,c,hc" or "a,c; c,hc": the symbols
// taken two by two, in either order ("c,a" is a,c); nullopt when a symbol
// is unknown, one is left over, or a pair is not a row.
std::optional<std::uint32_t> PairMaskOfList(std::string_view list);

// Whether a set can be made at all: at least one row, and 1 to kMaxCount tasks.
bool IsValidPracticeOptions(const PracticeOptions& options);

}  // namespace rt
