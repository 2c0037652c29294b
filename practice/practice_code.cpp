#include "practice/practice_code.h"

#include <cctype>
#include <vector>

#include "model/given_pair.h"

namespace rt {
namespace {

constexpr int kBits = 30;
constexpr std::uint32_t kMask = (1U << kBits) - 1U;
constexpr std::uint32_t kMultiplier1 = 0x2C9277B5U;  // odd, so invertible mod 2^30
constexpr std::uint32_t kMultiplier2 = 0x1B873593U;
constexpr int kShift1 = 16;
constexpr int kShift2 = 13;
// The seventh character's bits: bit 0, every task has a triangle.
constexpr std::uint32_t kEveryTaskATriangle = 1;

// The inverse of an odd number mod 2^32, by Newton's iteration (each round
// doubles the correct low bits: 3, 6, 12, 24, 48).
constexpr std::uint32_t InverseOf(std::uint32_t odd) {
  std::uint32_t inverse = odd;
  for (int i = 0; i < 4; ++i) inverse *= 2U - odd * inverse;
  return inverse;
}
static_assert((kMultiplier1 * InverseOf(kMultiplier1)) == 1U);
static_assert((kMultiplier2 * InverseOf(kMultiplier2)) == 1U);

// x ^ (x >> shift) within 30 bits, and its inverse: every further shift of
// the result undoes one more level.
constexpr std::uint32_t XorShift(std::uint32_t x, int shift) { return x ^ (x >> shift); }
constexpr std::uint32_t UndoXorShift(std::uint32_t y, int shift) {
  std::uint32_t x = y;
  for (int t = shift; t < kBits; t += shift) x ^= y >> t;
  return x;
}

constexpr std::uint32_t Mix(std::uint32_t x) {
  x = (x * kMultiplier1) & kMask;
  x = XorShift(x, kShift1);
  x = (x * kMultiplier2) & kMask;
  return XorShift(x, kShift2);
}

constexpr std::uint32_t Unmix(std::uint32_t x) {
  x = UndoXorShift(x, kShift2);
  x = (x * InverseOf(kMultiplier2)) & kMask;
  x = UndoXorShift(x, kShift1);
  return (x * InverseOf(kMultiplier1)) & kMask;
}
static_assert(Unmix(Mix(123456789U)) == 123456789U);

// Bits 0–9 the variant, 10–24 the rows, 25 easy, 26–29 the count less one.
constexpr std::uint32_t Pack(const PracticeSet& set) {
  return (set.variant & (PracticeSet::kVariants - 1U)) |
         ((set.options.pairMask & PracticeOptions::kAllPairs) << 10U) | (set.options.easy ? 1U << 25U : 0U) |
         (static_cast<std::uint32_t>(set.options.count - 1) << 26U);
}

constexpr PracticeSet Unpack(std::uint32_t bits) {
  PracticeSet set;
  set.variant = bits & (PracticeSet::kVariants - 1U);
  set.options.pairMask = (bits >> 10U) & PracticeOptions::kAllPairs;
  set.options.easy = ((bits >> 25U) & 1U) != 0;
  set.options.count = static_cast<int>((bits >> 26U) & 15U) + 1;
  return set;
}

}  // namespace

bool IsValidPracticeOptions(const PracticeOptions& options) {
  return (options.pairMask & PracticeOptions::kAllPairs) != 0 &&
         (options.pairMask & ~PracticeOptions::kAllPairs) == 0 && options.count >= 1 &&
         options.count <= PracticeOptions::kMaxCount;
}

std::optional<std::uint32_t> PairMaskOfList(std::string_view list) {
  std::vector<std::string_view> symbols;
  const auto separator = [](char c) { return c == ',' || c == ';' || c == ' '; };
  for (std::size_t start = 0; start < list.size();) {
    if (separator(list[start])) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < list.size() && !separator(list[end])) ++end;
    symbols.push_back(list.substr(start, end - start));
    start = end;
  }
  if (symbols.empty() || symbols.size() % 2 != 0) return std::nullopt;
  std::uint32_t mask = 0;
  for (std::size_t i = 0; i < symbols.size(); i += 2) {
    // The row's list text names the pair in one order only: "a,c", not "c,a".
    const std::string one = std::string(symbols[i]) + "," + std::string(symbols[i + 1]);
    const std::string other = std::string(symbols[i + 1]) + "," + std::string(symbols[i]);
    const auto row = ListIndexOfText(one) ? ListIndexOfText(one) : ListIndexOfText(other);
    if (!row) return std::nullopt;
    mask |= 1U << static_cast<unsigned>(*row);
  }
  return mask;
}

std::string PracticeCodeOf(const PracticeSet& set) {
  std::uint32_t bits = Mix(Pack(set));
  std::string code(kPracticeCodeLength, ' ');
  for (int i = kPracticeCodeLength - 1; i >= 0; --i) {
    code[static_cast<std::size_t>(i)] = kPracticeCodeAlphabet[bits & 31U];
    bits >>= 5U;
  }
  if (!set.options.noTriangleTasks) code += kPracticeCodeAlphabet[kEveryTaskATriangle];
  return code;
}

std::optional<PracticeSet> PracticeSetOfCode(std::string_view code) {
  while (!code.empty() && std::isspace(static_cast<unsigned char>(code.front()))) code.remove_prefix(1);
  while (!code.empty() && std::isspace(static_cast<unsigned char>(code.back()))) code.remove_suffix(1);
  if (code.size() != kPracticeCodeLength && code.size() != kLongPracticeCodeLength) return std::nullopt;
  std::uint32_t bits = 0;
  std::uint32_t extension = 0;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const auto position =
        kPracticeCodeAlphabet.find(static_cast<char>(std::toupper(static_cast<unsigned char>(code[i]))));
    if (position == std::string_view::npos) return std::nullopt;
    if (i < kPracticeCodeLength) {
      bits = (bits << 5U) | static_cast<std::uint32_t>(position);
    } else {
      extension = static_cast<std::uint32_t>(position);
    }
  }
  // A seventh character says what six do not: it is never the default.
  if (code.size() == kLongPracticeCodeLength && extension != kEveryTaskATriangle) return std::nullopt;
  PracticeSet set = Unpack(Unmix(bits));
  set.options.noTriangleTasks = extension != kEveryTaskATriangle;
  if (!IsValidPracticeOptions(set.options)) return std::nullopt;
  return set;
}

}  // namespace rt
