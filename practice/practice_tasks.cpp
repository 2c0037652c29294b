#include "practice/practice_tasks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "model/given_pair.h"
#include "model/triangle_rows.h"
#include "model/triangle_solver.h"
#include "practice/exact_lengths.h"
#include "practice/pcg32.h"
#include "runtime/number_formatting.h"

namespace rt {
namespace {

// One stream of the generator for every set; the set itself is the seed.
constexpr std::uint64_t kStream = 0x7269676874ULL;

// One task in eight, of the rows that can have no triangle, has none.
constexpr std::uint32_t kNoTriangleChance = 8;

// Attempts before a task falls back to the 6, 8, 10 triangle, which gives
// every row two values of at most two decimals. Far above what any row
// needs.
constexpr int kAttempts = 5000;

constexpr long long kHundred = 100;

// The row's condition on its two values: which of them must be the shorter.
enum class Condition {
  None,            // any two positive values make a triangle
  FirstShorter,    // a leg, then the hypotenuse: a < c
  SecondShorter,   // a leg and its altitude or projection, the hypotenuse and a projection
  HalfHypotenuse,  // c,hc: hc ≤ c/2
};

// The condition as the row states it: the length that bounds the other is
// the first of its upper side (c of c/2).
Condition ConditionOfRow(int row) {
  const TriangleCondition& condition = RowOf(row).condition;
  using E = TriangleCondition::AtEquality;
  if (condition.atEquality == E::NoCondition) return Condition::None;
  if (condition.atEquality == E::Triangle) return Condition::HalfHypotenuse;
  const Quantity bound = condition.upper.begin()->quantity;
  return bound == kGivenPairs[static_cast<std::size_t>(row)].first ? Condition::SecondShorter
                                                                   : Condition::FirstShorter;
}

// A textbook value from `low` to `high` hundredths: whole, or with one or
// two decimals (easy tasks only whole).
std::optional<long long> DrawValue(Pcg32& random, double low, double high, bool easy) {
  const std::uint32_t kind = random.Below(10);
  const int decimals = easy ? 0 : kind < 3 ? 0 : kind < 8 ? 1 : 2;
  const long long step = decimals == 0 ? 100 : decimals == 1 ? 10 : 1;
  const auto first = static_cast<long long>(std::ceil(low / static_cast<double>(step)));
  const auto last = static_cast<long long>(std::floor(high / static_cast<double>(step)));
  if (first > last || first <= 0) return std::nullopt;
  const auto span = static_cast<std::uint32_t>(last - first + 1);
  return (first + static_cast<long long>(random.Below(span))) * step;
}

// The smallest Pythagorean triples; scaled, they give values of at most two
// decimals for many rows. Legs first.
constexpr std::array<std::array<int, 3>, 7> kTriples = {{
    {3, 4, 5},
    {5, 12, 13},
    {8, 15, 17},
    {7, 24, 25},
    {20, 21, 29},
    {12, 35, 37},
    {9, 40, 41},
}};

// The row's two values, in hundredths, of a scaled triple when both have at
// most two decimals.
std::optional<std::pair<long long, long long>> FromTriple(Pcg32& random, int row, bool easy) {
  const auto& triple = kTriples[random.Below(kTriples.size())];
  long long p = triple[0];
  long long q = triple[1];
  const long long r = triple[2];
  if (random.Chance(1, 2)) std::swap(p, q);
  // The scale: 0,5 to 6 in tenths, or whole for easy tasks.
  const long long scale = easy ? kHundred * random.Between(1, 4) : 10LL * random.Between(5, 60);
  // Each length times r, in hundredths: a·r, b·r, c·r, hc·r, a1·r, b1·r.
  const std::array<long long, kQuantityCount> times_r = {scale * p * r, scale * q * r, scale * r * r,
                                                         scale * p * q, scale * p * p, scale * q * q};
  const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(row)];
  const long long first = times_r[static_cast<std::size_t>(IndexOf(pair.first))];
  const long long second = times_r[static_cast<std::size_t>(IndexOf(pair.second))];
  if (first % r != 0 || second % r != 0) return std::nullopt;
  return std::pair{first / r, second / r};
}

// Two values drawn for the row's condition, met or (for a task with no
// triangle) broken. `big` stands for the value that the condition bounds.
std::optional<std::pair<long long, long long>> FromCondition(Pcg32& random, int row, bool triangle,
                                                             bool easy) {
  const Condition condition = ConditionOfRow(row);
  if (condition == Condition::None) {
    const auto first = DrawValue(random, 200, 3000, easy);
    const auto second = DrawValue(random, 200, 3000, easy);
    if (!first || !second) return std::nullopt;
    return std::pair{*first, *second};
  }
  const auto big = DrawValue(random, 300, 4000, easy);
  if (!big) return std::nullopt;
  const double b = static_cast<double>(*big);
  double low = 0.2 * b;
  double high = 0.85 * b;
  if (condition == Condition::HalfHypotenuse) {
    low = triangle ? 0.15 * b : 0.53 * b;
    high = triangle ? 0.47 * b : 0.8 * b;
  } else if (!triangle) {
    low = 1.08 * b;
    high = 1.6 * b;
  }
  const auto small = DrawValue(random, low, high, easy);
  if (!small) return std::nullopt;
  if (condition == Condition::FirstShorter) return std::pair{*small, *big};
  return std::pair{*big, *small};
}

bool CanHaveNoTriangle(int row) { return ConditionOfRow(row) != Condition::None; }

// Whether the values make a task worth setting: a triangle of a sensible
// shape (when it is to have one) whose lengths are not all whole, whose
// seven-decimal texts from „Изчисли“ are the exact lengths rounded (so the
// answer key, the worked solution and the check agree to the last digit;
// where b1's single precision moves a digit, the task is not set), and, for
// an easy task, whose two values are whole (then the first square root of
// every row's solution is of a whole number).
bool IsGoodTask(const PracticeTask& task, bool easy) {
  const double first = task.First();
  const double second = task.Second();
  if (first > 100.0 || second > 100.0) return false;
  if (easy && (task.firstHundredths % kHundred != 0 || task.secondHundredths % kHundred != 0)) return false;
  const auto exact = ExactLengths(task.listIndex, first, second);
  const RegionalSettings posix = RegionalSettings::Posix();
  const std::string first_text = GivenValueText(task.firstHundredths, posix);
  const std::string second_text = GivenValueText(task.secondHundredths, posix);
  const SolveOutcome outcome =
      SolveTriangle(InputForTypedPair(task.listIndex, first_text, second_text), posix);
  if (!task.hasTriangle) {
    return !exact && task.fault != TriangleFault::None && outcome.status == SolveStatus::Failed &&
           outcome.fault == task.fault;
  }
  if (!exact || outcome.status != SolveStatus::Written) return false;
  const auto& [a, b, c, hc, a1, b1] = *exact;
  if (std::min(a, b) < 0.2 * std::max(a, b) || std::min(a1, b1) < 0.05 * c || c > 150.0) return false;
  bool all_whole = true;
  for (const double length : *exact) all_whole = all_whole && IsWholeLength(length);
  if (all_whole) return false;

  for (int q = 0; q < kQuantityCount; ++q) {
    const auto i = static_cast<std::size_t>(q);
    if (outcome.texts[i] != FormatFixed7((*exact)[i], posix)) return false;
  }
  return true;
}

// The rows of the set, dealt like cards: every row once in a shuffled
// order, then again in another.
class RowDeck {
 public:
  explicit RowDeck(std::uint32_t mask) {
    for (int row = 0; row < kGivenPairCount; ++row) {
      if ((mask >> static_cast<unsigned>(row)) & 1U) rows_.push_back(row);
    }
    next_ = rows_.size();
  }

  int Deal(Pcg32& random) {
    if (next_ == rows_.size()) {
      for (std::size_t i = rows_.size() - 1; i > 0; --i) {  // Fisher–Yates
        std::swap(rows_[i], rows_[random.Below(static_cast<std::uint32_t>(i + 1))]);
      }
      next_ = 0;
    }
    return rows_[next_++];
  }

 private:
  std::vector<int> rows_;
  std::size_t next_ = 0;
};

bool SameValues(const PracticeTask& one, const PracticeTask& other) {
  return one.listIndex == other.listIndex && one.firstHundredths == other.firstHundredths &&
         one.secondHundredths == other.secondHundredths;
}

PracticeTask MakeTask(Pcg32& random, int row, const PracticeOptions& options,
                      const std::vector<PracticeTask>& made) {
  const bool easy = options.easy;
  PracticeTask task;
  task.listIndex = row;
  // The chance is drawn for every row that can have no triangle, so that a
  // set's tasks stay as they are where the option does not change them.
  const bool none = CanHaveNoTriangle(row) && random.Chance(1, kNoTriangleChance);
  task.hasTriangle = !(none && options.noTriangleTasks);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const bool triple = task.hasTriangle && random.Chance(1, 3);
    const auto values =
        triple ? FromTriple(random, row, easy) : FromCondition(random, row, task.hasTriangle, easy);
    if (!values) continue;
    task.firstHundredths = values->first;
    task.secondHundredths = values->second;
    task.fault = task.hasTriangle ? TriangleFault::None : FindTriangleFault(row, task.First(), task.Second());
    const bool repeated = std::any_of(made.begin(), made.end(),
                                      [&task](const PracticeTask& other) { return SameValues(task, other); });
    if (!repeated && IsGoodTask(task, easy)) return task;
  }
  // The 6, 8, 10 triangle: a = 6, b = 8, c = 10, hc = 4,8, a1 = 3,6, b1 = 6,4.
  static constexpr std::array<long long, kQuantityCount> kFallback = {600, 800, 1000, 480, 360, 640};
  const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(row)];
  task.hasTriangle = true;
  task.fault = TriangleFault::None;
  task.firstHundredths = kFallback[static_cast<std::size_t>(IndexOf(pair.first))];
  task.secondHundredths = kFallback[static_cast<std::size_t>(IndexOf(pair.second))];
  return task;
}

// The set's own bits seed the generator: the same code, the same tasks.
std::uint64_t SeedOf(const PracticeSet& set) {
  return static_cast<std::uint64_t>(set.variant) | (static_cast<std::uint64_t>(set.options.pairMask) << 10U) |
         (static_cast<std::uint64_t>(set.options.easy) << 25U);
}

}  // namespace

std::vector<PracticeTask> TaskSequence(const PracticeSet& set, int count) {
  std::vector<PracticeTask> tasks;
  if (!IsValidPracticeOptions(set.options) || count <= 0) return tasks;
  Pcg32 random(SeedOf(set), kStream);
  RowDeck deck(set.options.pairMask);
  for (int n = 0; n < count; ++n) {
    const int row = deck.Deal(random);
    tasks.push_back(MakeTask(random, row, set.options, tasks));
  }
  return tasks;
}

std::vector<PracticeTask> TasksOf(const PracticeSet& set) { return TaskSequence(set, set.options.count); }

std::vector<PracticeTask> TasksWithRetries(const PracticeSet& set) {
  std::vector<PracticeTask> tasks = TasksOf(set);
  const std::size_t count = tasks.size();
  for (std::size_t k = 0; k < count; ++k) {
    // A stream of its own for each retry: a set's tasks stay as they were,
    // and one retry does not move another.
    Pcg32 random(SeedOf(set), kStream + 1 + k);
    tasks.push_back(MakeTask(random, tasks[k].listIndex, set.options, tasks));
  }
  return tasks;
}

std::string GivenValueText(long long hundredths, const RegionalSettings& settings) {
  std::string text = GroupedIntegerDigits(std::to_string(hundredths / kHundred), settings);
  const long long fraction = hundredths % kHundred;
  if (fraction != 0) {
    text += settings.decimalSeparator;
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace rt
