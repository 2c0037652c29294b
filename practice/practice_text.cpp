#include "practice/practice_text.h"

#include "messages/failure_messages.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"
#include "solution/exact_form.h"

namespace rt {
namespace {

// A Bulgarian sentence's first letter in lower case, to go on after a
// comma: the Cyrillic capitals А–Я (U+0410–U+042F).
std::string LowerFirstLetter(std::string text) {
  if (text.size() > 1 && static_cast<unsigned char>(text[0]) == 0xD0) {
    const auto next = static_cast<unsigned char>(text[1]);
    if (next >= 0x90 && next <= 0x9F) text[1] = static_cast<char>(next + 0x20);  // А–П → а–п
    if (next >= 0xA0 && next <= 0xAF) {                                          // Р–Я → р–я
      text[0] = static_cast<char>(0xD1);
      text[1] = static_cast<char>(next - 0x20);
    }
  }
  return text;
}

}  // namespace

std::array<Quantity, 4> SoughtQuantities(int listIndex) {
  const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(listIndex)];
  std::array<Quantity, 4> sought{};
  std::size_t n = 0;
  for (int q = 0; q < kQuantityCount; ++q) {
    const auto quantity = static_cast<Quantity>(q);
    if (quantity != pair.first && quantity != pair.second && n < sought.size()) sought[n++] = quantity;
  }
  return sought;
}

MathText TaskStatement(const PracticeTask& task, const RegionalSettings& settings) {
  const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(task.listIndex)];
  std::string pattern = "Дадено: " + std::string(SymbolOf(pair.first)) + " = #; " +
                        std::string(SymbolOf(pair.second)) + " = #. Намерете ";
  const auto sought = SoughtQuantities(task.listIndex);
  for (std::size_t i = 0; i < sought.size(); ++i) {
    if (i > 0) pattern += ", ";
    pattern += SymbolOf(sought[i]);
  }
  pattern += ".";
  return WithNumbers(pattern, {GivenValueText(task.firstHundredths, settings),
                               GivenValueText(task.secondHundredths, settings)});
}

TaskKey KeyOf(const PracticeTask& task, const RegionalSettings& settings) {
  const std::string first = GivenValueText(task.firstHundredths, settings);
  const std::string second = GivenValueText(task.secondHundredths, settings);
  const SolveOutcome outcome = SolveTriangle(InputForTypedPair(task.listIndex, first, second), settings);
  TaskKey key;
  if (outcome.status == SolveStatus::Written) {
    key.texts = outcome.texts;
    const auto hundredths = [](long long h) { return *ExactDecimal::Parse(std::to_string(h) + "e-2"); };
    key.forms = ExactForms(task.listIndex, hundredths(task.firstHundredths),
                           hundredths(task.secondHundredths), settings);
    for (std::string& form : key.forms) {
      if (!IsSurdOrFraction(form)) form.clear();
    }
  } else {
    key.noTriangle =
        "Няма такъв триъгълник, защото " +
        LowerFirstLetter(DescribeFailure(task.listIndex, outcome.error, outcome.fault).explanation);
  }
  return key;
}

std::string DescribePracticeOptions(const PracticeOptions& options) {
  std::string text = std::to_string(options.count) + (options.count == 1 ? " задача, " : " задачи, ");
  if (options.pairMask == PracticeOptions::kAllPairs) {
    text += "всички двойки";
  } else {
    text += "двойки ";
    bool first = true;
    for (int row = 0; row < kGivenPairCount; ++row) {
      if (((options.pairMask >> static_cast<unsigned>(row)) & 1U) == 0) continue;
      if (!first) text += "; ";
      text += kGivenPairs[static_cast<std::size_t>(row)].listText;
      first = false;
    }
  }
  text += options.easy ? ", с цели дадени числа" : ", с десетични дадени числа";
  if (!options.noTriangleTasks) text += ", всяка с триъгълник";
  return text;
}

std::string PracticeLinkFragment(std::string_view code) { return "#practice=" + std::string(code); }

std::string PlainPracticeSheet(const PracticeSet& set, const RegionalSettings& settings) {
  const std::string code = PracticeCodeOf(set);
  const std::vector<PracticeTask> tasks = TasksOf(set);
  std::string sheet = "Упражнение " + code + ": " + DescribePracticeOptions(set.options) + "\n";
  sheet += "На страницата на програмата: адресът и " + PracticeLinkFragment(code) + "\n\nЗадачи\n";
  for (std::size_t n = 0; n < tasks.size(); ++n) {
    sheet += std::to_string(n + 1) + ". " + PlainText(TaskStatement(tasks[n], settings)) + "\n";
  }
  sheet += "\nОтговори (" + code + ")\n";
  for (std::size_t n = 0; n < tasks.size(); ++n) {
    sheet += std::to_string(n + 1) + ".";
    const TaskKey key = KeyOf(tasks[n], settings);
    if (key.texts) {
      for (int q = 0; q < kQuantityCount; ++q) {
        sheet += q == 0 ? " " : "; ";
        const auto i = static_cast<std::size_t>(q);
        sheet += std::string(kQuantitySymbols[i]) + " = ";
        if (!key.forms[i].empty()) sheet += key.forms[i] + " ≈ ";
        sheet += (*key.texts)[i];
      }
    } else {
      sheet += " " + key.noTriangle;
    }
    sheet += "\n";
  }
  return sheet;
}

}  // namespace rt
