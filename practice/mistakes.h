#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/quantity.h"
#include "solution/exact_decimal.h"

namespace rt {

// The common mistakes behind a wrong length, each with a stable tag.
enum class MistakeTag {
  None,
  SwappedProjection,  // a leg with the other leg's projection: a² = c·b₁
  HypotenuseAsLeg,    // c² = a² − b², or a leg as √(a² + c²)
  NoRoot,             // the square given for the length
  AltitudeWithoutC,   // hc = a·b
  SumForRoot,         // c = a + b, a = hc + a₁: lengths added instead of squares
  OtherLength,        // another length of the triangle, in the wrong box
  OtherRoot,          // the other root of the quadratic
  EarlyRounding,      // from intermediates rounded first: a fair method
  Truncated,          // the digits cut instead of rounded
  DecimalSlip,        // the right digits, the point one place off
};

// "swapped-projection", "-" for None.
std::string_view MistakeTagName(MistakeTag tag);
// The tag of a name, None for "-"; nullopt for a name that is none.
std::optional<MistakeTag> MistakeTagOfName(std::string_view name);
// What a teacher reads: "проекцията на другия катет", "" for None.
std::string_view MistakeTagWords(MistakeTag tag);

// The exact lengths of a task's triangle, by quantity, as the check knows them.
using TriangleLengths = std::array<ExactDecimal, kQuantityCount>;

// Whether `typed`, a number with `decimals` digits after the point, is
// `value` rounded to as many (a whole `typed` only a whole `value`).
bool RoundsTo(const ExactDecimal& value, const ExactDecimal& typed, int decimals);

// Whether two values agree to some 28 significant digits: an exact form
// typed, against a length known to 40.
bool NearlyEqual(const ExactDecimal& x, const ExactDecimal& y);

// A wrong answer's likely mistake and the sentence that names it with the
// right relation: "Изглежда сте използвали a² = c·b₁. За катета a трябва
// проекцията му a₁: a² = c·a₁." None with no sentence where no mistake
// gives the answer. `decimals` is -1 for an exact form, which must equal
// the mistake's value.
struct Diagnosis {
  MistakeTag tag = MistakeTag::None;
  std::string sentence;
};
Diagnosis DiagnoseMistake(int listIndex, const TriangleLengths& lengths, Quantity sought,
                          const ExactDecimal& typed, int decimals);

// Whether a decimal answer follows from the row's steps with some of the
// lengths before the sought one rounded to the answer's decimals first.
bool FollowsFromEarlyRounding(int listIndex, const TriangleLengths& lengths, Quantity sought,
                              const ExactDecimal& typed, int decimals);

// What the mark says of an answer that early rounding explains.
std::string EarlyRoundingNote();

}  // namespace rt
