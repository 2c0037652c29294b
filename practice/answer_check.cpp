#include "practice/answer_check.h"

#include <cmath>

#include "messages/failure_messages.h"
#include "model/triangle_solver.h"
#include "practice/exact_lengths.h"
#include "practice/practice_text.h"
#include "runtime/number_reading.h"

namespace rt {
namespace {

constexpr std::string_view kMinusSign = "\u2212";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kNoBreakSpace = "\u00a0";
  for (;;) {
    if (!text.empty() && IsBlank(text.front())) {
      text.remove_prefix(1);
    } else if (text.starts_with(kNoBreakSpace)) {
      text.remove_prefix(kNoBreakSpace.size());
    } else {
      break;
    }
  }
  for (;;) {
    if (!text.empty() && IsBlank(text.back())) {
      text.remove_suffix(1);
    } else if (text.ends_with(kNoBreakSpace)) {
      text.remove_suffix(kNoBreakSpace.size());
    } else {
      break;
    }
  }
  return text;
}

// A number read whole, or nothing: no blank inside (the window's reading
// skips them, "3 5" would be 35), no exponent, nothing left over.
struct WholeReading {
  double value = 0.0;
  int decimals = 0;
};

std::optional<WholeReading> ReadWhole(std::string_view text, const RegionalSettings& settings) {
  for (const char c : text) {
    if (IsBlank(c)) return std::nullopt;
  }
  NumberExtent extent;
  const NumberReading reading = ReadNumber(text, settings, extent);
  if (!extent.digits || extent.exponent || extent.end != text.size() || reading.error != RuntimeError::None) {
    return std::nullopt;
  }
  return WholeReading{reading.value, extent.fractionDigits};
}

// 10^k for the answer's decimals, 0 to 7.
double PowerOfTen(int k) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};
  return kPowers[k];
}

// Rounding half up at the k-th decimal. A length whose exact value ends in
// 5 just after it (2,25 to one decimal) may come out of double arithmetic a
// hair below; within a few units of the last place it is taken as the tie.
double RoundedAt(double exact, int decimals) {
  const double scaled = exact * PowerOfTen(decimals);
  const double below = std::floor(scaled);
  const double tolerance = 1e-9 + std::fabs(scaled) * 1e-12;
  if (std::fabs(scaled - below - 0.5) <= tolerance) return below + 1.0;
  return std::round(scaled);
}

}  // namespace

AnswerMark CheckAnswer(std::string_view typed, double exact, const RegionalSettings& settings) {
  std::string_view text = Trimmed(typed);
  if (text.empty()) return AnswerMark::Empty;
  for (const std::string_view minus :
       {std::string_view("-"), kMinusSign, std::string_view(settings.negativeSign)}) {
    if (!minus.empty() && text.starts_with(minus)) {
      return ReadWhole(text.substr(minus.size()), settings) ? AnswerMark::NotPositive : AnswerMark::NotNumber;
    }
  }
  if (text.starts_with('+')) text.remove_prefix(1);
  const auto reading = ReadWhole(text, settings);
  if (!reading) return AnswerMark::NotNumber;
  if (!(reading->value > 0.0)) return AnswerMark::NotPositive;
  if (reading->decimals > kMaxAnswerDecimals) return AnswerMark::TooManyDecimals;
  if (reading->decimals == 0) {
    return IsWholeLength(exact) && reading->value == std::round(exact) ? AnswerMark::Right
                                                                       : AnswerMark::Wrong;
  }
  // Both sides as whole numbers of the answer's last decimal place.
  const double answer = std::round(reading->value * PowerOfTen(reading->decimals));
  return answer == RoundedAt(exact, reading->decimals) ? AnswerMark::Right : AnswerMark::Wrong;
}

std::string_view AnswerMarkText(AnswerMark mark) {
  switch (mark) {
    case AnswerMark::Empty: return "няма отговор";
    case AnswerMark::Right: return "вярно";
    case AnswerMark::Wrong: return "грешно";
    case AnswerMark::NotNumber: return "не е число";
    case AnswerMark::NotPositive: return "дължината е положително число";
    case AnswerMark::TooManyDecimals: return "най-много седем знака след десетичния знак";
  }
  return "";
}

std::string AnswerRule(const RegionalSettings& settings) {
  const std::string& point = settings.decimalSeparator;
  return "Отговорът с десетични знаци е верен, когато е точната дължина, закръглена до толкова знака (за 8" +
         point + "4852814… верни са 8" + point + "5 и 8" + point + "49, но не 8" + point +
         "48), а отговорът без десетични знаци е верен само когато дължината е цяло число.";
}

TaskCheck CheckTask(const PracticeTask& task, const std::array<std::string, kSoughtCount>& answers,
                    bool noTriangle, const RegionalSettings& settings) {
  TaskCheck check;
  const auto exact = ExactLengths(task.listIndex, task.First(), task.Second());
  const std::array<Quantity, kSoughtCount> sought = SoughtQuantities(task.listIndex);
  bool any_typed = false;
  for (const std::string& answer : answers) any_typed = any_typed || !Trimmed(answer).empty();

  if (!exact) {
    // No triangle: the boxes are not marked as lengths, whatever they hold.
    for (std::size_t i = 0; i < answers.size(); ++i) {
      check.marks[i] = Trimmed(answers[i]).empty() ? AnswerMark::Empty : AnswerMark::Wrong;
    }
    const FailureMessage why = DescribeFailure(task.listIndex, RuntimeError::InvalidOperation, task.fault);
    check.solved = noTriangle && !any_typed;
    if (check.solved) {
      check.summary = "Вярно: няма такъв триъгълник. " + why.explanation;
    } else if (noTriangle) {
      check.summary = "Няма такъв триъгълник, затова полетата остават празни. " + why.explanation;
    } else {
      check.summary = "Няма такъв триъгълник. " + why.explanation;
    }
    return check;
  }

  int right = 0;
  for (std::size_t i = 0; i < sought.size(); ++i) {
    check.marks[i] =
        CheckAnswer(answers[i], (*exact)[static_cast<std::size_t>(IndexOf(sought[i]))], settings);
    if (check.marks[i] == AnswerMark::Right) ++right;
  }
  check.solved = right == kSoughtCount && !noTriangle;
  if (noTriangle) {
    check.summary = "Има такъв триъгълник: дадените дължини са възможни. ";
  }
  if (check.solved) {
    check.summary += "Вярно: и четирите дължини.";
  } else {
    check.summary += "Верни: " + std::to_string(right) + " от 4.";
    for (std::size_t i = 0; i < sought.size(); ++i) {
      check.summary += i == 0 ? " " : "; ";
      check.summary += std::string(SymbolOf(sought[i])) + ": " + std::string(AnswerMarkText(check.marks[i]));
    }
    check.summary += ".";
  }
  return check;
}

}  // namespace rt
