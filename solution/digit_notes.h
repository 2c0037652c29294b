#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "model/quantity.h"
#include "runtime/regional_settings.h"
#include "solution/digit_causes.h"
#include "solution/exact_decimal.h"

namespace rt {

// The sentences of a worked solution that say why a length of the program
// is not the exact one, each naming the cause that its replay confirms.
class DigitNotes {
 public:
  struct Run {
    int listIndex = -1;
    std::array<std::optional<ExactDecimal>, kQuantityCount> typed;  // the givens as typed
    std::array<ExactDecimal, kQuantityCount> kept;                  // the program's lengths, b1 widened
    std::array<std::string, kQuantityCount> texts;                  // the box texts
    std::array<std::string, kQuantityCount> forms;                  // the exact forms, where short
  };
  // `run` and `replay` must outlive the notes; the settings are copied,
  // since callers often pass a temporary.
  DigitNotes(const Run& run, const RowReplay& replay, RegionalSettings settings)
      : run_(run), replay_(replay), settings_(std::move(settings)) {}

  // "Програмата пази b1 с по-малка точност (около 7 значещи цифри): вместо
  // 3,2 смята с 3,200000048." For a given b1 whose kept value differs.
  std::string GivenB1() const;
  // For a computed b1 that later steps use as kept.
  std::string ComputedB1() const;

  // "При точно пресмятане c = 25; програмата показва 25,0000006, защото …";
  // empty where the box is the exact value rounded.
  std::string BoxNote(Quantity q) const;

  // At a step where the program stops (`program` is how its value
  // compares with zero), or where it writes a length that exactly is not
  // positive: what the exact computation gives, and why the program differs.
  std::string ExactStop(Quantity q) const;
  std::string ProgramStop(Quantity q, StepSign program) const;

  // The verdict after „Проверка“ on the differences it prints.
  std::string CheckVerdict(const ExactDecimal& pythagoras, const ExactDecimal& area) const;

  // "= 144/13 ≈ 11,0769231", "= 25" or "≈ 5,6761229": the exact value.
  std::string ExactValue(Quantity q) const;

 private:
  std::string Reason(DigitCause cause, Quantity q) const;
  // Seven decimals, or the first digits of a value that they show as 0.
  std::string FirstDigits(const ExactDecimal& value) const;
  // b1 as typed, or as the exact computation gives it.
  ExactDecimal MeantB1() const;
  std::string B1Change() const;
  std::string SquareChange() const;

  const Run& run_;
  const RowReplay& replay_;
  RegionalSettings settings_;
};

}  // namespace rt
