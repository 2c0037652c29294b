#pragma once

#include <cstdint>

namespace rt {

// The PCG32 generator (PCG-XSH-RR with 64-bit state and 32-bit output, as
// M. E. O'Neill describes it, seeded as her pcg32_srandom_r does). Written
// out here rather than taken from <random>, whose distributions differ
// between standard libraries: a task set must be the same on the desktop,
// in the command-line tool and in WebAssembly.
//
//   state' = state * 6364136223846793005 + increment      (mod 2^64)
//   output = rotate_right((uint32)(((state >> 18) ^ state) >> 27), state >> 59)
class Pcg32 {
 public:
  Pcg32(std::uint64_t seed, std::uint64_t stream) : increment_((stream << 1U) | 1U) {
    Next();
    state_ += seed;
    Next();
  }

  std::uint32_t Next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + increment_;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    return (shifted >> rotation) | (shifted << ((32U - rotation) & 31U));
  }

  // A number from 0 to bound − 1, every one equally likely: outputs below
  // 2^32 mod bound are drawn again, so that the remainder is unbiased.
  std::uint32_t Below(std::uint32_t bound) {
    const std::uint32_t threshold = (0U - bound) % bound;
    for (;;) {
      const std::uint32_t r = Next();
      if (r >= threshold) return r % bound;
    }
  }

  // A number from `low` to `high`, both included.
  int Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1)));
  }

  // True with the probability numerator / denominator.
  bool Chance(std::uint32_t numerator, std::uint32_t denominator) { return Below(denominator) < numerator; }

 private:
  std::uint64_t state_ = 0;
  std::uint64_t increment_;
};

}  // namespace rt
