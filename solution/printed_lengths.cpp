#include "solution/printed_lengths.h"

#include <algorithm>

namespace rt {
namespace {

constexpr int kBoxDecimals = 7;
// A longer print has at least one decimal more than the box, and at most
// the fifteen significant digits that a double holds for sure.
constexpr int kFewestLongerDecimals = kBoxDecimals + 1;
constexpr int kMostSignificant = 15;
// Each pass may lengthen the prints that the one before left too short.
constexpr int kPasses = 4;

}  // namespace

PrintedLengths::PrintedLengths(std::vector<Step> steps,
                               const std::array<std::optional<ExactDecimal>, kQuantityCount>& given,
                               const std::array<ExactDecimal, kQuantityCount>& boxes,
                               const std::array<ExactDecimal, kQuantityCount>& kept)
    : steps_(std::move(steps)), given_(given), boxes_(boxes), kept_(kept) {
  Evaluate(decimals_);
  // Each step that does not give its box text gets more digits in the
  // lengths it is computed from, as few as do it, as long as no step that
  // agreed stops agreeing.
  for (int pass = 0; pass < kPasses; ++pass) {
    bool changed = false;
    for (std::size_t n = 0; n < steps_.size(); ++n) {
      if (!agrees_[n]) changed = Lengthen(n) || changed;
    }
    if (!changed) break;
  }
}

bool PrintedLengths::Lengthen(std::size_t n) {
  const std::vector<Quantity> ancestors = Ancestors(n);
  const std::vector<bool> agreed = agrees_;
  const std::array<int, kQuantityCount> before = decimals_;
  for (int d = kFewestLongerDecimals; d <= kFewestLongerDecimals + kMostSignificant; ++d) {
    std::array<int, kQuantityCount> trial = before;
    for (const Quantity q : ancestors) {
      const int most = MostDecimals(q);
      if (most >= kFewestLongerDecimals) trial[Index(q)] = std::max(trial[Index(q)], std::min(d, most));
    }
    if (trial == decimals_) continue;
    Evaluate(trial);
    bool keeps = agrees_[n];
    for (std::size_t m = 0; m < steps_.size() && keeps; ++m) keeps = !agreed[m] || agrees_[m];
    if (keeps) {
      decimals_ = trial;
      return true;
    }
  }
  Evaluate(decimals_);
  return false;
}

void PrintedLengths::Evaluate(const std::array<int, kQuantityCount>& decimals) {
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    if (!given_[i]) continue;
    const bool kept_b1 = i == Index(Quantity::B1) && decimals[i] > 0;
    printed_[i] = kept_b1 ? kept_[i].RoundedToDecimals(decimals[i]) : *given_[i];
  }
  values_.assign(steps_.size(), {});
  agrees_.assign(steps_.size(), false);
  const auto printed = [this](Quantity q) { return printed_[Index(q)]; };
  for (std::size_t n = 0; n < steps_.size(); ++n) {
    const std::size_t q = Index(steps_[n].quantity);
    values_[n] = EvaluateExactly(steps_[n].formula, printed);
    const std::optional<ExactDecimal>& value = values_[n];
    agrees_[n] = value && value->RoundedToDecimals(kBoxDecimals) == boxes_[q];
    if (decimals[q] == 0) {
      printed_[q] = boxes_[q];
    } else {
      // b1 goes on as the program keeps it; any other length with the
      // digits that its own printed numbers give.
      const bool kept = q == Index(Quantity::B1) || !value;
      printed_[q] = (kept ? kept_[q] : *value).RoundedToDecimals(decimals[q]);
    }
  }
}

std::vector<Quantity> PrintedLengths::Ancestors(std::size_t n) const {
  std::vector<Quantity> found;
  std::vector<std::size_t> pending = {n};
  while (!pending.empty()) {
    const std::size_t step = pending.back();
    pending.pop_back();
    for (const Quantity q : OperandsOf(steps_[step].formula)) {
      if (std::find(found.begin(), found.end(), q) != found.end()) continue;
      if (given_[Index(q)] && q != Quantity::B1) continue;  // typed: nothing to lengthen
      found.push_back(q);
      for (std::size_t m = 0; m < step; ++m) {
        if (steps_[m].quantity == q) pending.push_back(m);
      }
    }
  }
  return found;
}

int PrintedLengths::MostDecimals(Quantity q) const {
  const ExactDecimal& kept = kept_[Index(q)];
  if (kept.IsZero()) return 0;
  return kMostSignificant - 1 - kept.LeadingPower();
}

bool PrintedLengths::DependsOnB1(std::size_t n) const {
  if (steps_[n].quantity == Quantity::B1) return true;
  std::vector<std::size_t> pending = {n};
  while (!pending.empty()) {
    const std::size_t step = pending.back();
    pending.pop_back();
    for (const Quantity q : OperandsOf(steps_[step].formula)) {
      if (q == Quantity::B1) return true;
      for (std::size_t m = 0; m < step; ++m) {
        if (steps_[m].quantity == q) pending.push_back(m);
      }
    }
  }
  return false;
}

}  // namespace rt
