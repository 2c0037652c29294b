#include "solution/digit_notes.h"

#include <algorithm>
#include <cmath>

#include "model/triangle_rows.h"
#include "solution/exact_form.h"
#include "solution/formula_text.h"
#include "solution/solution_numbers.h"

namespace rt {
namespace {

constexpr int kBoxDecimals = 7;
constexpr std::size_t Index(Quantity q) { return static_cast<std::size_t>(q); }
std::string Symbol(Quantity q) { return std::string(SymbolOf(q)); }

// Double precision holds about this many significant digits.
constexpr double kDoubleDigits = 16;
// The first significant digits shown of a kept value: enough to see single
// precision at work ("3,200000048").
constexpr int kFirstKeptDigits = 10;
constexpr int kMostShownDigits = 17;

// The two values with as many significant digits as tell them apart, from
// `first` on; whole numbers in full. The first is marked "…" where it goes
// on; the second is a binary number's value, whose digits always go on.
std::pair<std::string, std::string> TellApart(const ExactDecimal& meant, const ExactDecimal& kept, int first,
                                              const RegionalSettings& settings) {
  int digits = std::max(first, kept.IsZero() ? 1 : kept.LeadingPower() + 1);
  while (digits < kMostShownDigits &&
         meant.RoundedToSignificant(digits) == kept.RoundedToSignificant(digits)) {
    ++digits;
  }
  const ExactDecimal cut = meant.RoundedToSignificant(digits);
  const std::string ellipsis = cut == meant && meant.exact() ? "" : "…";
  return {ShortSolutionNumber(cut, settings) + ellipsis,
          ShortSolutionNumber(kept.RoundedToSignificant(digits), settings)};
}

ExactDecimal Squared(const ExactDecimal& x) { return x * x; }

}  // namespace

ExactDecimal DigitNotes::MeantB1() const {
  const std::optional<ExactDecimal>& typed = run_.typed[Index(Quantity::B1)];
  return typed ? *typed : replay_.Value(Arithmetic::Exact, Quantity::B1).value_or(ExactDecimal());
}

std::string DigitNotes::B1Change() const {
  const auto [meant_text, kept_text] =
      TellApart(MeantB1(), run_.kept[Index(Quantity::B1)], kFirstKeptDigits, settings_);
  return "вместо " + meant_text + " смята с " + kept_text;
}

std::string DigitNotes::SquareChange() const {
  const ExactDecimal meant = MeantB1();
  const ExactDecimal& kept = run_.kept[Index(Quantity::B1)];
  const ExactDecimal single =
      ExactDecimal::OfDouble(static_cast<double>(static_cast<float>((kept * kept).ToDouble())));
  const auto [meant_text, single_text] = TellApart(meant * meant, single, kFirstKeptDigits, settings_);
  return "вместо b1² = " + meant_text + " смята с " + single_text;
}

std::string DigitNotes::GivenB1() const {
  return "Програмата пази b1 с по-малка точност (около 7 значещи цифри): " + B1Change() + ".";
}

std::string DigitNotes::ComputedB1() const {
  return "Програмата пази b1 с по-малка точност (около 7 значещи цифри): по-нататък " + B1Change() + ".";
}

std::string DigitNotes::Reason(DigitCause cause, Quantity q) const {
  switch (cause) {
    case DigitCause::StoredB1: return "пази b1 с по-малка точност (около 7 значещи цифри): " + B1Change();
    case DigitCause::SingleSquare:
      return "смята b1² с по-малка точност (около 7 значещи цифри): " + SquareChange();
    case DigitCause::Cancellation: {
      const std::optional<Cancellation> worst = replay_.WorstCancellation(q);
      if (!worst) break;
      const RowStep& step = RowOf(run_.listIndex).steps.at(worst->step);
      const int shown = std::clamp(static_cast<int>(std::ceil(worst->digitsLost)) + 2, 3, kMostShownDigits);
      const auto number = [&](double v) {
        return ShortSolutionNumber(ExactDecimal::OfDouble(v).RoundedToSignificant(shown), settings_);
      };
      const int left = std::max(0, static_cast<int>(std::lround(kDoubleDigits - worst->digitsLost)));
      const std::string remains =
          left == 0 ? "не остава нито една вярна" : "остават само около " + std::to_string(left);
      return "при " + FormulaText(step.quantity, step.formula) + " изважда две почти равни числа, " +
             number(worst->larger) + " и " + number(worst->smaller) +
             ", а от около 16-те значещи цифри, с които смята, в разликата " + remains;
    }
    case DigitCause::DoubleRounding:
    case DigitCause::None: break;
  }
  return "смята с около 16 значещи цифри и закръглянията ѝ местят последните знаци";
}

std::string DigitNotes::FirstDigits(const ExactDecimal& value) const {
  if (value.IsZero() || !value.RoundedToDecimals(kBoxDecimals).IsZero())
    return SolutionNumber(value, kBoxDecimals, settings_);
  return ShortSolutionNumber(value.RoundedToSignificant(4), settings_);
}

std::string DigitNotes::ExactValue(Quantity q) const {
  const FormulaValue& exact = replay_.Value(Arithmetic::Exact, q);
  if (!exact) return {};
  const std::string& form = run_.forms[Index(q)];
  if (IsSurdOrFraction(form)) return "= " + form + " ≈ " + SolutionNumber(*exact, kBoxDecimals, settings_);
  if (exact->exact() && exact->Decimals() <= kBoxDecimals)
    return "= " + ShortSolutionNumber(*exact, settings_);
  return "≈ " + FirstDigits(*exact);
}

std::string DigitNotes::BoxNote(Quantity q) const {
  const std::string& box = run_.texts[Index(q)];
  const DigitCause cause = replay_.CauseOfBox(q, box, settings_);
  if (cause == DigitCause::None) return {};
  const std::string exact = ExactValue(q);
  const std::string opening = exact.empty() ? "При точно пресмятане " + Symbol(q) + " не може да се изчисли"
                                            : "При точно пресмятане " + Symbol(q) + " " + exact;
  return opening + "; програмата показва " + SolutionBoxText(box, settings_) + ", защото " +
         Reason(cause, q) + ".";
}

std::string DigitNotes::ExactStop(Quantity q) const {
  const std::string opening = "При точно пресмятане " + Symbol(q);
  switch (RowReplay::SignOf(replay_.Value(Arithmetic::Exact, q))) {
    case StepSign::Zero:
      return opening + " = 0. Получава се дължина 0: триъгълникът се изражда в отсечка, т.е. не съществува.";
    case StepSign::Negative: return opening + " е отрицателно число: такъв триъгълник няма.";
    case StepSign::Fails: return opening + " не може да се изчисли: такъв триъгълник няма.";
    case StepSign::Positive: break;
  }
  return opening + " " + ExactValue(q) + " и такъв триъгълник има.";
}

std::string DigitNotes::ProgramStop(Quantity q, StepSign program) const {
  const DigitCause cause = replay_.CauseOfStop(q, program);
  if (cause == DigitCause::None) return {};
  std::string what;
  switch (program) {
    case StepSign::Fails: what = "не може да изчисли " + Symbol(q); break;
    case StepSign::Zero: what = "получава " + Symbol(q) + " = 0"; break;
    case StepSign::Negative: {
      // A value that seven decimals would show as 0 gets its first digits.
      what = "получава " + Symbol(q) + " ≈ " + FirstDigits(run_.kept[Index(q)]);
      break;
    }
    case StepSign::Positive:
      return "Програмата получава " + Symbol(q) + " ≈ " + FirstDigits(run_.kept[Index(q)]) +
             " и изписва дължини само защото " + Reason(cause, q) + ".";
  }
  return "Програмата " + what + ", защото " + Reason(cause, q) + ".";
}

std::string DigitNotes::CheckVerdict(const ExactDecimal& pythagoras, const ExactDecimal& area) const {
  if (pythagoras.IsZero() && area.IsZero()) return "Двете равенства са изпълнени точно.";
  // The written lengths, and how far each may be from the program's.
  std::array<double, kQuantityCount> value{};
  std::array<double, kQuantityCount> slack{};
  for (const Quantity q : {Quantity::A, Quantity::B, Quantity::C, Quantity::Hc}) {
    const std::size_t i = Index(q);
    value[i] = std::fabs(run_.kept[i].ToDouble());
    slack[i] = run_.typed[i] ? 0 : 0.5e-7;
  }
  const auto at = [&](Quantity q) { return value[Index(q)]; };
  const auto off = [&](Quantity q) { return slack[Index(q)]; };
  const auto square = [&](Quantity q) { return 2 * at(q) * off(q) + off(q) * off(q); };
  const auto product = [&](Quantity x, Quantity y) {
    return at(x) * off(y) + at(y) * off(x) + off(x) * off(y);
  };
  // The largest differences that rounding the computed lengths to seven
  // decimals can make; a given length is exact as typed.
  const double pythagoras_bound = square(Quantity::C) + square(Quantity::A) + square(Quantity::B);
  const double area_bound = product(Quantity::C, Quantity::Hc) + product(Quantity::A, Quantity::B);
  const double scale = std::max(at(Quantity::C) * at(Quantity::C), at(Quantity::C) * at(Quantity::Hc));
  const double noise = scale * 1e-15;

  // The first arithmetic whose own differences, with the rounding on top,
  // give the printed ones.
  const auto covers = [&](Arithmetic arithmetic) {
    const auto length = [&](Quantity q) { return replay_.Value(arithmetic, q); };
    for (const Quantity q : {Quantity::A, Quantity::B, Quantity::C, Quantity::Hc}) {
      if (!length(q)) return false;
    }
    const auto v = [&](Quantity q) { return *length(q); };
    const ExactDecimal own_pythagoras =
        Squared(v(Quantity::C)) - (Squared(v(Quantity::A)) + Squared(v(Quantity::B)));
    const ExactDecimal own_area = v(Quantity::C) * v(Quantity::Hc) - v(Quantity::A) * v(Quantity::B);
    return std::fabs((pythagoras - own_pythagoras).ToDouble()) <= pythagoras_bound * 1.01 + noise &&
           std::fabs((area - own_area).ToDouble()) <= area_bound * 1.01 + noise;
  };
  if (covers(Arithmetic::Exact)) return "Разликите идват от закръглянето.";
  DigitCause cause = DigitCause::DoubleRounding;
  if (covers(Arithmetic::StoredB1)) {
    cause = DigitCause::StoredB1;
  } else if (covers(Arithmetic::SingleSquare)) {
    cause = DigitCause::SingleSquare;
  }
  // For double precision, the step with the worst difference of nearly
  // equal numbers.
  Quantity worst = RowOf(run_.listIndex).steps.back().quantity;
  double lost = 0;
  for (const RowStep& step : RowOf(run_.listIndex).steps) {
    const std::optional<Cancellation> here = replay_.WorstCancellation(step.quantity);
    if (here && here->digitsLost > lost) {
      lost = here->digitsLost;
      worst = step.quantity;
    }
  }
  if (cause == DigitCause::DoubleRounding && lost >= kCancellingDigits) cause = DigitCause::Cancellation;
  return "Разликите са по-големи, отколкото дава закръглянето: програмата " + Reason(cause, worst) + ".";
}

}  // namespace rt
