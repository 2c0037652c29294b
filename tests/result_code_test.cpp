// What a class hands its teacher: sets whose every task has a triangle (a
// seventh character of the set's code), and the result codes of a
// student's work, read back exactly, with every typo and swap caught.

#include "practice/result_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "practice/pcg32.h"
#include "practice/practice_code.h"
#include "practice/practice_tasks.h"
#include "practice/practice_text.h"

namespace rt {
namespace {

PracticeSet SetOf(std::uint32_t variant, std::uint32_t pairs, bool easy, int count,
                  bool noTriangleTasks = true) {
  PracticeSet set;
  set.variant = variant;
  set.options.pairMask = pairs;
  set.options.easy = easy;
  set.options.count = count;
  set.options.noTriangleTasks = noTriangleTasks;
  return set;
}

TEST(PracticeCodeOptions, EveryTaskATriangleTakesASeventhCharacterAndKeepsTheRest) {
  const PracticeSet usual = SetOf(77, 0x1234, false, 8);
  const PracticeSet always = SetOf(77, 0x1234, false, 8, false);
  const std::string code = PracticeCodeOf(usual);
  ASSERT_EQ(code.size(), 6U);
  EXPECT_EQ(PracticeCodeOf(always), code + "3");
  const auto read = PracticeSetOfCode(" " + code + "3 ");
  ASSERT_TRUE(read);
  EXPECT_FALSE(read->options.noTriangleTasks);
  EXPECT_EQ(read->options.pairMask, 0x1234U);
  EXPECT_EQ(read->options.count, 8);
  EXPECT_TRUE(PracticeSetOfCode(code)->options.noTriangleTasks);
  // A seventh character that says nothing, or something unknown, is no code.
  for (const char seventh : std::string("2456789ABZ"))
    EXPECT_FALSE(PracticeSetOfCode(code + seventh)) << seventh;
  EXPECT_FALSE(PracticeSetOfCode(code + "33"));
  EXPECT_EQ(DescribePracticeOptions(always.options),
            "8 задачи, двойки a,hc; a,b1; b,c; c,hc; hc,a1, с десетични дадени числа, "
            "всяка с триъгълник");
}

// The option changes only the tasks that would have had no triangle: the
// set's tasks up to the first of them are the same.
TEST(PracticeCodeOptions, EveryTaskHasATriangleWhereAsked) {
  int changed = 0;
  for (std::uint32_t variant = 0; variant < 200; ++variant) {
    const PracticeSet usual = SetOf(variant, PracticeOptions::kAllPairs, variant % 2 == 0, 16);
    PracticeSet always = usual;
    always.options.noTriangleTasks = false;
    const std::vector<PracticeTask> before = TasksWithRetries(usual);
    const std::vector<PracticeTask> after = TasksWithRetries(always);
    ASSERT_EQ(after.size(), 32U);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](const PracticeTask& t) { return t.hasTriangle; }));
    const auto first = std::find_if(before.begin(), before.begin() + 16,
                                    [](const PracticeTask& t) { return !t.hasTriangle; });
    for (auto task = before.begin(); task != first; ++task) {
      const PracticeTask& same = after[static_cast<std::size_t>(task - before.begin())];
      EXPECT_EQ(same.listIndex, task->listIndex);
      EXPECT_EQ(same.firstHundredths, task->firstHundredths);
      EXPECT_EQ(same.secondHundredths, task->secondHundredths);
    }
    if (first != before.begin() + 16) ++changed;
  }
  EXPECT_GT(changed, 50);  // most sets of sixteen had a task with no triangle
}

// Random results of random sets, some of them with seven-character codes.
std::vector<PracticeResult> RandomResults(int count, std::uint64_t seed) {
  Pcg32 random(seed, 7);
  std::vector<PracticeResult> results;
  for (int n = 0; n < count; ++n) {
    PracticeResult result;
    result.set = SetOf(random.Below(PracticeSet::kVariants), 1U + random.Below(PracticeOptions::kAllPairs),
                       random.Chance(1, 2), 1 + static_cast<int>(random.Below(16)), !random.Chance(1, 4));
    for (int task = 0; task < result.set.options.count; ++task) {
      const auto outcome = static_cast<TaskOutcome>(random.Below(4));
      const auto tag =
          outcome == TaskOutcome::Alone ? MistakeTag::None : static_cast<MistakeTag>(random.Below(11));
      result.tasks.push_back({outcome, tag});
    }
    results.push_back(result);
  }
  return results;
}

TEST(ResultCode, GivesBackWhatItHoldsInEveryForm) {
  for (const PracticeResult& result : RandomResults(2000, 1)) {
    const std::string code = ResultCodeOf(result);
    const std::string set = PracticeCodeOf(result.set);
    ASSERT_EQ(code.substr(0, set.size() + 1), set + "-");
    // The set's code, then groups of four, dash-separated.
    const std::size_t payload = (result.tasks.size() * 6 + 4) / 5 + 2;
    EXPECT_EQ(code.size(), set.size() + payload + (payload + 3) / 4) << code;
    std::string lower = code;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    std::string spaced;
    for (const char c : code) {
      if (c != '-') spaced += std::string(1, c) + " ";
    }
    for (const std::string& form : {code, lower, " " + spaced + "\t"}) {
      const ResultCodeReading reading = ReadResultCode(form);
      ASSERT_TRUE(reading.result) << form << ": " << ResultCodeProblemText(reading);
      EXPECT_EQ(PracticeCodeOf(reading.result->set), set);
      EXPECT_EQ(reading.result->tasks, result.tasks);
    }
  }
}

// Every single character mistyped, and every two neighbours swapped, in
// ten thousand codes: none reads as a result.
TEST(ResultCode, CatchesEveryTypoAndEverySwapOfNeighbours) {
  long long tried = 0;
  for (const PracticeResult& result : RandomResults(10000, 2)) {
    std::string code = ResultCodeOf(result);
    code.erase(std::remove(code.begin(), code.end(), '-'), code.end());
    for (std::size_t at = 0; at < code.size(); ++at) {
      for (const char other : kPracticeCodeAlphabet) {
        if (other == code[at]) continue;
        std::string typo = code;
        typo[at] = other;
        ++tried;
        ASSERT_FALSE(ReadResultCode(typo).result) << code << " → " << typo;
      }
      if (at + 1 < code.size() && code[at] != code[at + 1]) {
        std::string swapped = code;
        std::swap(swapped[at], swapped[at + 1]);
        ++tried;
        ASSERT_FALSE(ReadResultCode(swapped).result) << code << " → " << swapped;
      }
    }
  }
  EXPECT_GT(tried, 5'000'000);
}

// Two characters changed anywhere, not only neighbours swapped: the two
// check characters give the codes a distance of three.
TEST(ResultCode, CatchesAnyTwoCharactersChanged) {
  Pcg32 random(3, 9);
  for (const PracticeResult& result : RandomResults(300, 4)) {
    std::string code = ResultCodeOf(result);
    code.erase(std::remove(code.begin(), code.end(), '-'), code.end());
    for (std::size_t i = 0; i < code.size(); ++i) {
      for (std::size_t j = i + 1; j < code.size(); ++j) {
        std::string changed = code;
        changed[i] = kPracticeCodeAlphabet[(kPracticeCodeAlphabet.find(code[i]) + 1 + random.Below(31)) % 32];
        changed[j] = kPracticeCodeAlphabet[(kPracticeCodeAlphabet.find(code[j]) + 1 + random.Below(31)) % 32];
        ASSERT_FALSE(ReadResultCode(changed).result) << code << " → " << changed;
      }
    }
  }
}

// Each Cyrillic look-alike, in either case, stands for its Latin letter.
TEST(ResultCode, TakesCyrillicLookAlikesForTheLatinLetters) {
  const std::string_view latin = "ABEKMHPCTYX";
  const std::array<std::string_view, 11> upper = {"А", "В", "Е", "К", "М", "Н", "Р", "С", "Т", "У", "Х"};
  const std::array<std::string_view, 11> lower = {"а", "в", "е", "к", "м", "н", "р", "с", "т", "у", "х"};
  const std::vector<PracticeResult> results = RandomResults(400, 5);
  for (std::size_t n = 0; n < latin.size(); ++n) {
    // A code with the letter in it, the letter written in Cyrillic.
    const auto with = std::find_if(results.begin(), results.end(), [&](const PracticeResult& result) {
      return ResultCodeOf(result).find(latin[n]) != std::string::npos;
    });
    ASSERT_NE(with, results.end()) << latin[n];
    const std::string code = ResultCodeOf(*with);
    for (const auto& cyrillic : {upper[n], lower[n]}) {
      std::string typed = code;
      const std::size_t at = typed.find(latin[n]);
      typed.replace(at, 1, cyrillic);
      const ResultCodeReading reading = ReadResultCode(typed);
      ASSERT_TRUE(reading.result) << typed << ": " << ResultCodeProblemText(reading);
      EXPECT_EQ(reading.result->tasks, with->tasks);
    }
  }
  // Other Cyrillic letters are no part of a code, and are named whole.
  EXPECT_EQ(ReadResultCode("9SVZUC-Д").character, "Д");
}

TEST(ResultCode, SaysWhyATextIsNoResult) {
  PracticeResult result;
  result.set = SetOf(9, 0x00F0, false, 4);
  result.tasks.assign(4, {TaskOutcome::Hints, MistakeTag::OtherRoot});
  const std::string code = ResultCodeOf(result);
  std::string mistyped = code;
  mistyped.back() = mistyped.back() == '2' ? '3' : '2';
  // A code whose checks agree but that holds a task solved alone after a
  // mistake: made by hand, not by the page.
  PracticeResult forged = result;
  forged.tasks[1] = {TaskOutcome::Alone, MistakeTag::NoRoot};
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "Няма код."},
      {" - ", "Няма код."},
      {code + "0", "Знакът „0“ не е от кода: в него има само цифрите 2–9 и буквите A–Z без I и O."},
      {"9SVZUC-Ж", "Знакът „Ж“ не е от кода: в него има само цифрите 2–9 и буквите A–Z без I и O."},
      {"22222", "Кодът не започва с код на упражнение."},
      {code.substr(0, code.size() - 1),
       "Кодът е по-къс или по-дълъг, отколкото е за своя набор: преписан е непълно."},
      {code + "2", "Кодът е по-къс или по-дълъг, отколкото е за своя набор: преписан е непълно."},
      {mistyped, "Кодът е преписан грешно: знак е сбъркан или два знака са разменени."},
      {ResultCodeOf(forged), "Кодът не е резултат от програмата."},
  };
  for (const auto& [text, said] : cases) {
    const ResultCodeReading reading = ReadResultCode(text);
    EXPECT_FALSE(reading.result) << text;
    EXPECT_EQ(ResultCodeProblemText(reading), said) << text;
  }
  EXPECT_EQ(ResultCodeProblemText(ReadResultCode(code)), "");
  // Tasks that do not match the set's count make no code.
  result.tasks.pop_back();
  EXPECT_EQ(ResultCodeOf(result), "");
}

TEST(ResultCode, NamesTheOutcomes) {
  for (const TaskOutcome outcome :
       {TaskOutcome::Alone, TaskOutcome::Mistakes, TaskOutcome::Hints, TaskOutcome::None}) {
    EXPECT_EQ(TaskOutcomeOfName(TaskOutcomeName(outcome)), outcome);
  }
  EXPECT_EQ(TaskOutcomeName(TaskOutcome::Mistakes), "mistakes");
  EXPECT_FALSE(TaskOutcomeOfName("Alone"));
  EXPECT_FALSE(TaskOutcomeOfName(""));
}

}  // namespace
}  // namespace rt
