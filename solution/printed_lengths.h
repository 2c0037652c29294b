#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "model/quantity.h"
#include "model/triangle_rows.h"
#include "solution/exact_decimal.h"
#include "solution/exact_formula.h"

namespace rt {

// Chooses the digits with which a worked solution prints each length, so
// that every step, redone with the printed numbers, gives the text that the
// box shows.
//
// A given length is printed as typed. A computed one is printed as its box
// text, unless a later step needs more digits: then with as many decimals as
// it takes, each digit the one that its own step's printed numbers give.
// b1 is the exception: the program keeps it in single precision, so where
// the typed or computed b1 is not enough, b1 is printed as the program keeps
// it ("3,20000005" for 3.2), and the solution says so.
class PrintedLengths {
 public:
  using Step = RowStep;  // the length and the solver's own formula for it

  // `given` holds the typed values of the two given lengths, `boxes` the
  // values of the six box texts, `kept` the program's own lengths (b1
  // widened from its single value).
  PrintedLengths(std::vector<Step> steps,
                 const std::array<std::optional<ExactDecimal>, kQuantityCount>& given,
                 const std::array<ExactDecimal, kQuantityCount>& boxes,
                 const std::array<ExactDecimal, kQuantityCount>& kept);

  // The number a step uses for the length; and whether it has more digits
  // than the box (or, for b1, is the kept value rather than the typed or
  // computed one).
  ExactDecimal Printed(Quantity q) const { return printed_[Index(q)]; }
  bool Longer(Quantity q) const { return decimals_[Index(q)] > 0; }
  int Decimals(Quantity q) const { return decimals_[Index(q)]; }

  // Step n redone with the printed numbers, and whether that gives its box
  // text to the last digit.
  const FormulaValue& Value(std::size_t n) const { return values_[n]; }
  bool Agrees(std::size_t n) const { return agrees_[n]; }

  // Whether step n depends on b1, its own or an earlier one.
  bool DependsOnB1(std::size_t n) const;

 private:
  static std::size_t Index(Quantity q) { return static_cast<std::size_t>(q); }
  void Evaluate(const std::array<int, kQuantityCount>& decimals);
  // Lengthens the prints that step n is computed from, as little as makes
  // it give its box text; false where no length does.
  bool Lengthen(std::size_t n);
  std::vector<Quantity> Ancestors(std::size_t n) const;
  int MostDecimals(Quantity q) const;

  std::vector<Step> steps_;
  std::array<std::optional<ExactDecimal>, kQuantityCount> given_;
  std::array<ExactDecimal, kQuantityCount> boxes_;
  std::array<ExactDecimal, kQuantityCount> kept_;

  std::array<int, kQuantityCount> decimals_{};  // 0: as typed or as the box writes it
  std::array<ExactDecimal, kQuantityCount> printed_;
  std::vector<FormulaValue> values_;
  std::vector<bool> agrees_;
};

}  // namespace rt
