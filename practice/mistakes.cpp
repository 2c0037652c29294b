#include "practice/mistakes.h"

#include <optional>

#include "model/formula.h"
#include "model/triangle_rows.h"
#include "solution/exact_formula.h"

namespace rt {
namespace {

using Q = Quantity;
using T = MistakeTag;
using namespace formula_operators;

using namespace formula_lengths;

constexpr int kAnyRow = -1;
constexpr int kAB1 = 4;  // a,b1: a1 from a quadratic
constexpr int kBA1 = 7;  // b,a1: b1 from a quadratic
constexpr int kCHc = 9;  // c,hc: both projections roots of one quadratic

// A mistake as the student makes it: the wrong relation, evaluated with
// the triangle's true lengths, and the sentence that names it.
struct Mistake {
  MistakeTag tag;
  Quantity sought;
  Formula wrong;
  std::string_view sentence;
  int row = kAnyRow;  // the row where the mistake can happen, or any
};

// In the order in which they are named where two give the same value: a
// relation mixed up says more than "that is b's value".
// clang-format off
constexpr std::array kMistakes = {
  Mistake{T::OtherRoot, Q::A1, (-b1 - Sqrt(b1 * b1 + 4 * a * a)) / 2,
          "Това е отрицателният корен на квадратното уравнение; дължината a₁ е положителният корен.", kAB1},
  Mistake{T::OtherRoot, Q::B1, (-a1 - Sqrt(a1 * a1 + 4 * b * b)) / 2,
          "Това е отрицателният корен на квадратното уравнение; дължината b₁ е положителният корен.", kBA1},
  Mistake{T::OtherRoot, Q::A1, b1,
          "Това е другият корен на квадратното уравнение: b₁ е по-големият корен, a₁ — по-малкият.", kCHc},
  Mistake{T::OtherRoot, Q::B1, a1,
          "Това е другият корен на квадратното уравнение: b₁ е по-големият корен, a₁ — по-малкият.", kCHc},
  Mistake{T::SwappedProjection, Q::A, Sqrt(c * b1),
          "Изглежда сте използвали a² = c·b₁. За катета a трябва проекцията му a₁: a² = c·a₁."},
  Mistake{T::SwappedProjection, Q::B, Sqrt(c * a1),
          "Изглежда сте използвали b² = c·a₁. За катета b трябва проекцията му b₁: b² = c·b₁."},
  Mistake{T::SwappedProjection, Q::A1, b * b / c,
          "Изглежда сте използвали a₁ = b²/c. Проекцията a₁ е на катета a: a₁ = a²/c."},
  Mistake{T::SwappedProjection, Q::B1, a * a / c,
          "Изглежда сте използвали b₁ = a²/c. Проекцията b₁ е на катета b: b₁ = b²/c."},
  Mistake{T::HypotenuseAsLeg, Q::C, Sqrt(a * a - b * b),
          "Изглежда сте използвали c² = a² − b². Хипотенузата е най-дългата страна: c² = a² + b²."},
  Mistake{T::HypotenuseAsLeg, Q::C, Sqrt(b * b - a * a),
          "Изглежда сте използвали c² = b² − a². Хипотенузата е най-дългата страна: c² = a² + b²."},
  Mistake{T::HypotenuseAsLeg, Q::A, Sqrt(b * b + c * c),
          "Изглежда сте използвали a² = b² + c². Катетът е по-къс от хипотенузата: a² = c² − b²."},
  Mistake{T::HypotenuseAsLeg, Q::B, Sqrt(a * a + c * c),
          "Изглежда сте използвали b² = a² + c². Катетът е по-къс от хипотенузата: b² = c² − a²."},
  Mistake{T::HypotenuseAsLeg, Q::Hc, Sqrt(a * a + a1 * a1),
          "Изглежда сте използвали hc² = a² + a₁². В триъгълника с височината хипотенуза е a: hc² = a² − a₁²."},
  Mistake{T::HypotenuseAsLeg, Q::Hc, Sqrt(b * b + b1 * b1),
          "Изглежда сте използвали hc² = b² + b₁². В триъгълника с височината хипотенуза е b: hc² = b² − b₁²."},
  Mistake{T::HypotenuseAsLeg, Q::A1, Sqrt(a * a + hc * hc),
          "Изглежда сте използвали a₁² = a² + hc². В триъгълника с височината хипотенуза е a: a₁² = a² − hc²."},
  Mistake{T::HypotenuseAsLeg, Q::B1, Sqrt(b * b + hc * hc),
          "Изглежда сте използвали b₁² = b² + hc². В триъгълника с височината хипотенуза е b: b₁² = b² − hc²."},
  Mistake{T::AltitudeWithoutC, Q::Hc, a * b,
          "Изглежда сте използвали hc = a·b. Произведението на катетите се дели на хипотенузата: hc = a·b/c."},
  Mistake{T::SumForRoot, Q::C, a + b,
          "Изглежда сте събрали a + b. Питагоровата теорема събира квадратите: c² = a² + b²."},
  Mistake{T::SumForRoot, Q::A, hc + a1,
          "Изглежда сте събрали hc + a₁. Питагоровата теорема събира квадратите: a² = hc² + a₁²."},
  Mistake{T::SumForRoot, Q::B, hc + b1,
          "Изглежда сте събрали hc + b₁. Питагоровата теорема събира квадратите: b² = hc² + b₁²."},
  Mistake{T::SumForRoot, Q::A, c - b,
          "Изглежда сте извадили c − b. Питагоровата теорема вади квадратите: a² = c² − b²."},
  Mistake{T::SumForRoot, Q::B, c - a,
          "Изглежда сте извадили c − a. Питагоровата теорема вади квадратите: b² = c² − a²."},
  Mistake{T::SumForRoot, Q::Hc, a - a1,
          "Изглежда сте извадили a − a₁. Питагоровата теорема вади квадратите: hc² = a² − a₁²."},
  Mistake{T::SumForRoot, Q::Hc, b - b1,
          "Изглежда сте извадили b − b₁. Питагоровата теорема вади квадратите: hc² = b² − b₁²."},
  Mistake{T::SumForRoot, Q::A1, a - hc,
          "Изглежда сте извадили a − hc. Питагоровата теорема вади квадратите: a₁² = a² − hc²."},
  Mistake{T::SumForRoot, Q::B1, b - hc,
          "Изглежда сте извадили b − hc. Питагоровата теорема вади квадратите: b₁² = b² − hc²."},
  Mistake{T::NoRoot, Q::A, a * a, "Това е стойността на a², а не на a: остава да извлечете корен квадратен."},
  Mistake{T::NoRoot, Q::B, b * b, "Това е стойността на b², а не на b: остава да извлечете корен квадратен."},
  Mistake{T::NoRoot, Q::C, c * c, "Това е стойността на c², а не на c: остава да извлечете корен квадратен."},
  Mistake{T::NoRoot, Q::Hc, hc * hc,
          "Това е стойността на hc², а не на hc: остава да извлечете корен квадратен."},
};
// clang-format on

// The symbols as the sentences write them, with subscript ones.
std::string_view SpokenSymbol(Quantity q) {
  static constexpr std::array<std::string_view, kQuantityCount> kSymbols = {"a", "b", "c", "hc", "a₁", "b₁"};
  return kSymbols.at(static_cast<std::size_t>(q));
}

// Whether a typed answer is a candidate value: rounded as the student
// rounded, or, for an exact form, equal to it.
bool Gives(const std::optional<ExactDecimal>& value, const ExactDecimal& typed, int decimals) {
  if (!value) return false;
  return decimals < 0 ? NearlyEqual(*value, typed) : RoundsTo(*value, typed, decimals);
}

FormulaValue Evaluate(const Formula& formula, const TriangleLengths& lengths) {
  return EvaluateExactly(formula, [&](Quantity q) { return lengths.at(static_cast<std::size_t>(q)); });
}

ExactDecimal PowerOfTen(int power) { return *ExactDecimal::Parse("1e" + std::to_string(power)); }

// Digits below a value's first that the exact arithmetic's cuts may move.
constexpr int kHairDigits = 30;

// The length cut after `decimals` digits rather than rounded.
ExactDecimal Truncated(const ExactDecimal& value, int decimals) {
  const ExactDecimal rounded = value.RoundedToDecimals(decimals);
  return Compare(rounded, value) > 0 ? rounded - PowerOfTen(-decimals) : rounded;
}

}  // namespace

std::string_view MistakeTagName(MistakeTag tag) {
  switch (tag) {
    case T::None: return "-";
    case T::SwappedProjection: return "swapped-projection";
    case T::HypotenuseAsLeg: return "hypotenuse-as-leg";
    case T::NoRoot: return "no-root";
    case T::AltitudeWithoutC: return "altitude-without-c";
    case T::SumForRoot: return "sum-for-root";
    case T::OtherLength: return "other-length";
    case T::OtherRoot: return "other-root";
    case T::EarlyRounding: return "early-rounding";
    case T::Truncated: return "truncated";
    case T::DecimalSlip: return "decimal-slip";
  }
  return "-";
}

std::optional<MistakeTag> MistakeTagOfName(std::string_view name) {
  for (int n = 0; n <= static_cast<int>(T::DecimalSlip); ++n) {
    if (MistakeTagName(static_cast<T>(n)) == name) return static_cast<T>(n);
  }
  return std::nullopt;
}

std::string_view MistakeTagWords(MistakeTag tag) {
  switch (tag) {
    case T::None: return "";
    case T::SwappedProjection: return "проекцията на другия катет";
    case T::HypotenuseAsLeg: return "хипотенузата сметната като катет";
    case T::NoRoot: return "забравен корен квадратен";
    case T::AltitudeWithoutC: return "височината без деление на хипотенузата";
    case T::SumForRoot: return "събрани дължини вместо квадрати";
    case T::OtherLength: return "друга дължина на мястото на търсената";
    case T::OtherRoot: return "другият корен на уравнението";
    case T::EarlyRounding: return "закръглени междинни резултати";
    case T::Truncated: return "отрязани вместо закръглени цифри";
    case T::DecimalSlip: return "десетичният знак на грешно място";
  }
  return "";
}

bool RoundsTo(const ExactDecimal& value, const ExactDecimal& typed, int decimals) {
  if (decimals == 0) return NearlyEqual(value, typed);
  if (value.RoundedToDecimals(decimals) == typed) return true;
  if (value.exact()) return false;
  // A value cut after 40 digits may lie a hair on the wrong side of a tie
  // that the true value meets exactly (2,25 computed as 2,2499…9).
  const ExactDecimal hair = PowerOfTen(value.LeadingPower() - kHairDigits);
  return (value + hair).RoundedToDecimals(decimals) == typed ||
         (value - hair).RoundedToDecimals(decimals) == typed;
}

bool NearlyEqual(const ExactDecimal& x, const ExactDecimal& y) {
  constexpr int kAgreeingDigits = 28;
  const ExactDecimal difference = x - y;
  if (difference.IsZero()) return true;
  if (x.IsZero() || y.IsZero()) return false;
  return difference.LeadingPower() < std::max(x.LeadingPower(), y.LeadingPower()) - kAgreeingDigits;
}

Diagnosis DiagnoseMistake(int listIndex, const TriangleLengths& lengths, Quantity sought,
                          const ExactDecimal& typed, int decimals) {
  for (const Mistake& mistake : kMistakes) {
    if (mistake.sought != sought || (mistake.row != kAnyRow && mistake.row != listIndex)) continue;
    if (Gives(Evaluate(mistake.wrong, lengths), typed, decimals)) {
      return {mistake.tag, std::string(mistake.sentence)};
    }
  }
  const ExactDecimal& length = lengths.at(static_cast<std::size_t>(sought));
  if (decimals > 0 && Truncated(length, decimals) == typed) {
    return {T::Truncated, "Изглежда сте отрязали цифрите след последния знак, вместо да закръглите."};
  }
  for (const ExactDecimal& shifted : {length * PowerOfTen(1), length * PowerOfTen(-1)}) {
    if (Gives(shifted, typed, decimals)) {
      return {T::DecimalSlip, "Цифрите са верни, но десетичният знак е с едно място встрани."};
    }
  }
  for (std::size_t other = 0; other < kQuantityCount; ++other) {
    const auto q = static_cast<Quantity>(other);
    if (q == sought || !Gives(lengths.at(other), typed, decimals)) continue;
    return {T::OtherLength, "Това е дължината на " + std::string(SpokenSymbol(q)) + ", а тук се търси " +
                                std::string(SpokenSymbol(sought)) + "."};
  }
  return {};
}

bool FollowsFromEarlyRounding(int listIndex, const TriangleLengths& lengths, Quantity sought,
                              const ExactDecimal& typed, int decimals) {
  if (decimals <= 0) return false;
  const auto& steps = RowOf(listIndex).steps;
  std::size_t at = 0;
  while (at < steps.size() && steps.at(at).quantity != sought) ++at;
  if (at == steps.size()) return false;  // a given length
  // Every choice of the earlier steps rounded, the rest kept exact.
  for (unsigned rounded = 1; rounded < (1U << at); ++rounded) {
    TriangleLengths replay = lengths;
    std::optional<ExactDecimal> value;
    for (std::size_t step = 0; step <= at; ++step) {
      value = Evaluate(steps.at(step).formula, replay);
      if (!value) break;
      if (step < at && (rounded >> step & 1U) != 0) value = value->RoundedToDecimals(decimals);
      replay.at(static_cast<std::size_t>(steps.at(step).quantity)) = *value;
    }
    if (value && RoundsTo(*value, typed, decimals)) return true;
  }
  return false;
}

std::string EarlyRoundingNote() {
  return "така се получава, когато междинните резултати се закръглят до толкова знака; по-точно е да "
         "закръглите чак накрая.";
}

}  // namespace rt
