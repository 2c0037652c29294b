#include "practice/answer_check.h"

#include "messages/failure_messages.h"
#include "model/triangle_solver.h"
#include "practice/practice_text.h"
#include "practice/typed_answer.h"
#include "solution/exact_form.h"
#include "solution/exact_triangle.h"

namespace rt {
namespace {

bool IsPositive(const TypedAnswer& answer) {
  if (answer.surd) return answer.surd->Sign() > 0;
  return !answer.value.IsZero() && !answer.value.IsNegative();
}

bool EqualsLength(const TypedAnswer& answer, const ExactDecimal& length, const SurdValue& surd) {
  if (answer.kind == TypedAnswer::Kind::Decimal) {
    return RoundsTo(length, answer.value, answer.decimals);
  }
  // Exactly where both are surds; else to far more digits than any two
  // short forms that differ share.
  if (answer.surd && surd) return *answer.surd == *surd;
  return NearlyEqual(answer.value, length);
}

// The mark of what was read, before any mistake is looked for.
AnswerMark MarkOf(const TypedAnswer& answer, const ExactDecimal& length, const SurdValue& surd) {
  switch (answer.kind) {
    case TypedAnswer::Kind::Empty: return AnswerMark::Empty;
    case TypedAnswer::Kind::Malformed: return AnswerMark::NotNumber;
    default: break;
  }
  if (!IsPositive(answer)) return AnswerMark::NotPositive;
  if (answer.kind == TypedAnswer::Kind::Decimal && answer.decimals > kMaxAnswerDecimals) {
    return AnswerMark::TooManyDecimals;
  }
  return EqualsLength(answer, length, surd) ? AnswerMark::Right : AnswerMark::Wrong;
}

ExactDecimal Hundredths(long long value) {
  return *Divide(ExactDecimal::OfInteger(value), ExactDecimal::OfInteger(100));
}

}  // namespace

AnswerMark MarkOfAnswer(std::string_view typed, const ExactDecimal& length,
                        const RegionalSettings& settings) {
  return MarkOf(ReadTypedAnswer(typed, settings), length, std::nullopt);
}

AnswerVerdict CheckAnswer(std::string_view typed, const AnswerTarget& target,
                          const RegionalSettings& settings) {
  const TypedAnswer answer = ReadTypedAnswer(typed, settings);
  const ExactDecimal& length = target.lengths.at(static_cast<std::size_t>(target.sought));
  AnswerVerdict verdict{MarkOf(answer, length, target.surd), MistakeTag::None, {}};
  const int decimals = answer.kind == TypedAnswer::Kind::Decimal ? answer.decimals : -1;
  switch (verdict.mark) {
    case AnswerMark::NotNumber: verdict.note = answer.problem; break;
    case AnswerMark::Right:
      if (!answer.simplified && !target.form.empty()) verdict.note = "опростено: " + target.form;
      break;
    case AnswerMark::Wrong:
      if (FollowsFromEarlyRounding(target.listIndex, target.lengths, target.sought, answer.value, decimals)) {
        return {AnswerMark::Right, MistakeTag::EarlyRounding, EarlyRoundingNote()};
      }
      [[fallthrough]];
    case AnswerMark::NotPositive: {
      // A negative root is a mistake too, though its mark is the sign's.
      Diagnosis diagnosis =
          DiagnoseMistake(target.listIndex, target.lengths, target.sought, answer.value, decimals);
      if (verdict.mark == AnswerMark::NotPositive && diagnosis.tag != MistakeTag::OtherRoot) break;
      verdict.tag = diagnosis.tag;
      verdict.note = std::move(diagnosis.sentence);
      break;
    }
    default: break;
  }
  return verdict;
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
         "48), или когато следва от междинни резултати, закръглени до толкова знака; отговорът без десетични "
         "знаци е верен само когато дължината е цяло число. Точен вид като 6√2, 144/13 или (√61 − 3)/2 е "
         "верен, когато е равен на дължината.";
}

std::string AnswerVerdictText(const AnswerVerdict& verdict) {
  std::string text(AnswerMarkText(verdict.mark));
  if (verdict.note.empty()) return text;
  return text + (verdict.mark == AnswerMark::Right ? "; " : ". ") + verdict.note;
}

TaskCheck CheckTask(const PracticeTask& task, const std::array<std::string, kSoughtCount>& answers,
                    bool noTriangle, const RegionalSettings& settings) {
  TaskCheck check;
  const ExactDecimal first = Hundredths(task.firstHundredths);
  const ExactDecimal second = Hundredths(task.secondHundredths);
  const auto exact = ExactTriangle(task.listIndex, first, second);
  const std::array<Quantity, kSoughtCount> sought = SoughtQuantities(task.listIndex);
  bool any_typed = false;
  for (const std::string& answer : answers) any_typed = any_typed || !TrimmedAnswer(answer).empty();

  if (!exact) {
    // No triangle: the boxes are not marked as lengths, whatever they hold.
    for (std::size_t i = 0; i < answers.size(); ++i) {
      check.marks[i] = TrimmedAnswer(answers[i]).empty() ? AnswerMark::Empty : AnswerMark::Wrong;
      check.verdicts[i].mark = check.marks[i];
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

  const std::array<SurdValue, kQuantityCount> surds = SurdLengths(task.listIndex, first, second);
  const std::array<std::string, kQuantityCount> forms = ExactFormsOfSurds(surds, settings);
  AnswerTarget target{task.listIndex, Quantity::A, *exact, {}, {}};
  int right = 0;
  for (std::size_t i = 0; i < sought.size(); ++i) {
    const auto q = static_cast<std::size_t>(sought[i]);
    target.sought = sought[i];
    target.surd = surds.at(q);
    target.form = forms.at(q);
    check.verdicts[i] = CheckAnswer(answers[i], target, settings);
    check.marks[i] = check.verdicts[i].mark;
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
