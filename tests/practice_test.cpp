// Practice sets: the generator, the codes, the tasks it makes and the check
// of a student's answers.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "messages/failure_messages.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"
#include "practice/answer_check.h"
#include "practice/exact_lengths.h"
#include "practice/pcg32.h"
#include "practice/practice_code.h"
#include "practice/practice_tasks.h"
#include "practice/practice_text.h"
#include "runtime/number_reading.h"
#include "solution/exact_triangle.h"
#include "solution/math_text.h"
#include "tests/regional_presets.h"

namespace rt {
namespace {

using test::BulgarianSettings;
using test::EnglishUsSettings;
using test::PosixSettings;

PracticeSet SetOf(std::uint32_t variant, std::uint32_t mask = PracticeOptions::kAllPairs, bool easy = false,
                  int count = 6) {
  PracticeSet set;
  set.variant = variant;
  set.options = {mask, easy, count};
  return set;
}

constexpr std::uint32_t RowBit(int row) { return 1U << static_cast<unsigned>(row); }

TEST(Pcg32, GivesTheReferenceSequence) {
  // The first outputs of O'Neill's pcg32-demo, seeded with 42 and stream 54.
  Pcg32 random(42, 54);
  for (const std::uint32_t expected :
       {0xa15c02b7U, 0x7b47f409U, 0xba1d3330U, 0x83d2f293U, 0xbfa4784bU, 0xcbed606eU}) {
    EXPECT_EQ(random.Next(), expected);
  }
}

TEST(Pcg32, BelowStaysInRangeAndReachesEveryValue) {
  Pcg32 random(7, 1);
  std::vector<int> seen(7, 0);
  for (int i = 0; i < 7000; ++i) {
    const std::uint32_t n = random.Below(7);
    ASSERT_LT(n, 7U);
    ++seen[n];
  }
  for (const int count : seen) EXPECT_GT(count, 850);
}

TEST(PracticeCode, EverySetHasACodeThatGivesItBack) {
  const std::vector<PracticeSet> sets = {SetOf(0), SetOf(1023, PracticeOptions::kAllPairs, true, 16),
                                         SetOf(77, RowBit(1) | RowBit(9), false, 10),
                                         SetOf(500, RowBit(14), true, 1), SetOf(512, RowBit(0), false, 7)};
  std::set<std::string> codes;
  for (const PracticeSet& set : sets) {
    const std::string code = PracticeCodeOf(set);
    ASSERT_EQ(code.size(), 6U);
    for (const char c : code) EXPECT_NE(kPracticeCodeAlphabet.find(c), std::string_view::npos) << code;
    const auto back = PracticeSetOfCode(code);
    ASSERT_TRUE(back) << code;
    EXPECT_EQ(back->variant, set.variant);
    EXPECT_EQ(back->options.pairMask, set.options.pairMask);
    EXPECT_EQ(back->options.easy, set.options.easy);
    EXPECT_EQ(back->options.count, set.options.count);
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), sets.size());
  // Neighbouring sets get codes that differ in most places.
  const std::string one = PracticeCodeOf(SetOf(10));
  const std::string next = PracticeCodeOf(SetOf(11));
  int same = 0;
  for (std::size_t i = 0; i < one.size(); ++i) same += one[i] == next[i] ? 1 : 0;
  EXPECT_LE(same, 3) << one << " " << next;
}

TEST(PracticeCode, HasNoCharacterThatIsMisread) {
  for (const char c : std::string_view("0O1Il"))
    EXPECT_EQ(kPracticeCodeAlphabet.find(c), std::string_view::npos) << c;
  EXPECT_EQ(kPracticeCodeAlphabet.size(), 32U);
}

TEST(PracticeCode, ReadsEitherCaseAndIgnoresBlanksAround) {
  const std::string code = PracticeCodeOf(SetOf(321));
  std::string lower = code;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  ASSERT_TRUE(PracticeSetOfCode(" " + lower + "\n"));
  EXPECT_EQ(PracticeSetOfCode(lower)->variant, 321U);
}

TEST(PracticeCode, RefusesWhatIsNoCode) {
  const std::string no_rows = PracticeCodeOf(SetOf(5, 0));
  for (const std::string& text : {std::string(""), std::string("ABC"), std::string("ABCDEFG"),
                                  std::string("0OOOOO"), std::string("1IIIII"), std::string("ABCDE!"),
                                  std::string("ABC DE"), std::string("АБВГДЕ"), no_rows}) {
    EXPECT_FALSE(PracticeSetOfCode(text)) << text;
  }
}

TEST(PracticeCode, ReadsListsOfPairs) {
  EXPECT_EQ(PairMaskOfList("a,c"), RowBit(1));
  EXPECT_EQ(PairMaskOfList("c,a"), RowBit(1));
  EXPECT_EQ(PairMaskOfList("a,c,c,hc"), RowBit(1) | RowBit(9));
  EXPECT_EQ(PairMaskOfList("a,c; hc,c"), RowBit(1) | RowBit(9));
  EXPECT_EQ(PairMaskOfList("a1,b1"), RowBit(14));
  for (const char* bad : {"", "a", "a,a", "a,c,b", "x,y", "a,C"}) EXPECT_FALSE(PairMaskOfList(bad)) << bad;
}

// The first tasks of fixed sets, the same in every build: a change here
// changes every task set that teachers have handed out.
struct PinnedTasks {
  PracticeSet set;
  const char* code;
  std::vector<std::string> firstTasks;  // "row first second", in hundredths
};

std::string Describe(const PracticeTask& task) {
  return std::string(kGivenPairs[static_cast<std::size_t>(task.listIndex)].listText) + " " +
         std::to_string(task.firstHundredths) + " " + std::to_string(task.secondHundredths) +
         (task.hasTriangle ? "" : " none");
}

TEST(PracticeTasks, FirstTasksOfFixedSetsArePinned) {
  const std::vector<PinnedTasks> table = {
      {SetOf(0), "JDXQJF", {"hc,a1 1800 1200", "hc,b1 1400 1400", "a,b 450 600"}},
      {SetOf(1023, PracticeOptions::kAllPairs, true, 16),
       "Q3M72P",
       {"a,hc 600 200", "a,b 1800 1500", "a,b1 3000 3000"}},
      {SetOf(77, RowBit(1) | RowBit(9), false, 10),
       "DDH2NZ",
       {"a,c 4320 4500", "c,hc 2600 1200", "a,c 280 500"}},
      {SetOf(500, RowBit(14), true, 1), "X7A933", {"a1,b1 3000 2700", "a1,b1 1700 900", "a1,b1 600 1500"}},
  };
  for (const PinnedTasks& row : table) {
    EXPECT_EQ(PracticeCodeOf(row.set), row.code);
    const std::vector<PracticeTask> tasks = TaskSequence(row.set, 3);
    ASSERT_EQ(tasks.size(), 3U);
    for (std::size_t n = 0; n < 3; ++n)
      EXPECT_EQ(Describe(tasks[n]), row.firstTasks[n]) << row.code << " task " << n;
  }
}

TEST(PracticeTasks, ASetIsTheBeginningOfItsSequence) {
  const PracticeSet set = SetOf(99, PracticeOptions::kAllPairs, false, 9);
  const std::vector<PracticeTask> tasks = TasksOf(set);
  const std::vector<PracticeTask> longer = TaskSequence(set, 16);
  ASSERT_EQ(tasks.size(), 9U);
  for (std::size_t n = 0; n < tasks.size(); ++n) EXPECT_EQ(Describe(tasks[n]), Describe(longer[n]));
}

// Many sets, each 60 tasks long, ordinary and easy.
std::vector<std::pair<PracticeSet, std::vector<PracticeTask>>> ManySets() {
  std::vector<std::pair<PracticeSet, std::vector<PracticeTask>>> sets;
  for (std::uint32_t variant = 0; variant < 40; ++variant) {
    const PracticeSet set = SetOf(variant * 25, PracticeOptions::kAllPairs, variant % 2 == 1);
    sets.emplace_back(set, TaskSequence(set, 60));
  }
  return sets;
}

TEST(PracticeTasks, EveryPairOccursWithinSixtyTasks) {
  for (const auto& [set, tasks] : ManySets()) {
    std::set<int> rows;
    for (const PracticeTask& task : tasks) rows.insert(task.listIndex);
    EXPECT_EQ(rows.size(), 15U) << PracticeCodeOf(set);
  }
}

TEST(PracticeTasks, EachTaskHasARetryOfItsPairWithOtherNumbers) {
  for (const auto& [set, tasks] : ManySets()) {
    const std::vector<PracticeTask> with = TasksWithRetries(set);
    const std::vector<PracticeTask> own = TasksOf(set);
    ASSERT_EQ(with.size(), 2 * own.size());
    for (std::size_t k = 0; k < own.size(); ++k) {
      // The set's own tasks stay as they were.
      EXPECT_EQ(with[k].firstHundredths, own[k].firstHundredths);
      EXPECT_EQ(with[k].secondHundredths, own[k].secondHundredths);
      const PracticeTask& retry = with[own.size() + k];
      EXPECT_EQ(retry.listIndex, own[k].listIndex);
      for (std::size_t other = 0; other < own.size() + k; ++other) {
        EXPECT_FALSE(retry.listIndex == with[other].listIndex &&
                     retry.firstHundredths == with[other].firstHundredths &&
                     retry.secondHundredths == with[other].secondHundredths)
            << PracticeCodeOf(set) << " retry " << k;
      }
    }
    // The same code, the same retries.
    const std::vector<PracticeTask> again = TasksWithRetries(set);
    for (std::size_t k = 0; k < with.size(); ++k)
      EXPECT_EQ(again[k].firstHundredths, with[k].firstHundredths);
  }
}

TEST(PracticeTasks, AChosenSetOfPairsIsKept) {
  const std::uint32_t mask = RowBit(1) | RowBit(9) | RowBit(12);
  std::set<int> rows;
  for (const PracticeTask& task : TaskSequence(SetOf(3, mask), 30)) rows.insert(task.listIndex);
  EXPECT_EQ(rows, (std::set<int>{1, 9, 12}));
}

TEST(PracticeTasks, GivenValuesAreWhatATextbookPrints) {
  for (const auto& [set, tasks] : ManySets()) {
    std::set<std::string> seen;
    for (const PracticeTask& task : tasks) {
      for (const long long value : {task.firstHundredths, task.secondHundredths}) {
        EXPECT_GT(value, 0);
        EXPECT_LE(value, 10000);
        if (set.options.easy) {
          EXPECT_EQ(value % 100, 0) << Describe(task);
        }
        // At most two decimals, and read back as the same value.
        const std::string text = GivenValueText(value, BulgarianSettings());
        const auto comma = text.find(',');
        EXPECT_TRUE(comma == std::string::npos || text.size() - comma - 1 <= 2) << text;
        EXPECT_EQ(ReadNumber(text, BulgarianSettings()).value, static_cast<double>(value) / 100.0) << text;
      }
      EXPECT_TRUE(seen.insert(Describe(task)).second) << "repeated: " << Describe(task);
    }
  }
}

const ExactDecimal kHundredth = *ExactDecimal::Parse("0.01");

TEST(PracticeTasks, TasksWithATriangleSolveAndTheOthersFailWithTheirFault) {
  int no_triangle = 0;
  int total = 0;
  for (const auto& [set, tasks] : ManySets()) {
    for (const PracticeTask& task : tasks) {
      ++total;
      const std::string first = GivenValueText(task.firstHundredths, BulgarianSettings());
      const std::string second = GivenValueText(task.secondHundredths, BulgarianSettings());
      const SolveOutcome outcome =
          SolveTriangle(InputForTypedPair(task.listIndex, first, second), BulgarianSettings());
      const auto exact = ExactLengths(task.listIndex, task.First(), task.Second());
      if (task.hasTriangle) {
        ASSERT_EQ(outcome.status, SolveStatus::Written) << Describe(task);
        ASSERT_TRUE(exact);
        // Not all six whole: there is something to compute.
        bool all_whole = true;
        for (const double length : *exact) all_whole = all_whole && length == std::round(length);
        EXPECT_FALSE(all_whole) << Describe(task);
        // The key, the boxes and the check agree to the seventh decimal.
        const auto lengths =
            ExactTriangle(task.listIndex, ExactDecimal::OfInteger(task.firstHundredths) * kHundredth,
                          ExactDecimal::OfInteger(task.secondHundredths) * kHundredth);
        ASSERT_TRUE(lengths);
        for (int q = 0; q < kQuantityCount; ++q) {
          const auto i = static_cast<std::size_t>(q);
          EXPECT_EQ(MarkOfAnswer(outcome.texts[i], (*lengths)[i], BulgarianSettings()), AnswerMark::Right)
              << Describe(task) << " " << outcome.texts[i];
        }
      } else {
        ++no_triangle;
        EXPECT_EQ(outcome.status, SolveStatus::Failed) << Describe(task);
        EXPECT_NE(task.fault, TriangleFault::None);
        EXPECT_EQ(outcome.fault, task.fault) << Describe(task);
        EXPECT_FALSE(exact);
        // The key says why, in one sentence: "…, защото височината …".
        const TaskKey key = KeyOf(task, BulgarianSettings());
        EXPECT_FALSE(key.texts);
        const std::string because = "Няма такъв триъгълник, защото ";
        ASSERT_TRUE(key.noTriangle.starts_with(because)) << key.noTriangle;
        const std::string rest = key.noTriangle.substr(because.size());
        const std::string explanation =
            DescribeFailure(task.listIndex, outcome.error, outcome.fault).explanation;
        EXPECT_EQ(rest.substr(2), explanation.substr(2));  // the same words after the first letter
        EXPECT_NE(rest.substr(0, 2), explanation.substr(0, 2)) << rest;  // which is now small
      }
    }
  }
  // A small share, but some.
  EXPECT_GT(no_triangle, total / 50);
  EXPECT_LT(no_triangle, total / 8);
}

TEST(PracticeTasks, StatementIsInSchoolNotation) {
  PracticeTask task;
  task.listIndex = 1;  // a,c
  task.firstHundredths = 600;
  task.secondHundredths = 1000;
  EXPECT_EQ(PlainText(TaskStatement(task, BulgarianSettings())),
            "Дадено: a = 6; c = 10. Намерете b, hc, a1, b1.");
  task.listIndex = 12;  // hc,a1
  task.firstHundredths = 245;
  task.secondHundredths = 1230;
  EXPECT_EQ(PlainText(TaskStatement(task, BulgarianSettings())),
            "Дадено: hc = 2,45; a1 = 12,3. Намерете a, b, c, b1.");
  EXPECT_EQ(PlainText(TaskStatement(task, EnglishUsSettings())),
            "Дадено: hc = 2.45; a1 = 12.3. Намерете a, b, c, b1.");
}

struct AnswerRow {
  const char* typed;
  const char* exact;  // the length, exactly
  AnswerMark expected;
};

TEST(AnswerCheck, FollowsTheRuleAtItsEdges) {
  const std::vector<AnswerRow> table = {
      {"2,4", "2.4", AnswerMark::Right},
      {"2,40", "2.4", AnswerMark::Right},
      {"2,4000000", "2.4", AnswerMark::Right},
      {"2,399", "2.4", AnswerMark::Wrong},
      {"2,41", "2.4", AnswerMark::Wrong},
      {"2", "2.4", AnswerMark::Wrong},
      {"2.4", "2.4", AnswerMark::Right},  // "." is always a decimal point
      {" 2,4 ", "2.4", AnswerMark::Right},
      {"+2,4", "2.4", AnswerMark::Right},
      {"3", "3.0", AnswerMark::Right},
      {"3,0", "3.0", AnswerMark::Right},
      {"3", "3.0000001", AnswerMark::Wrong},
      {"3", "2.96", AnswerMark::Wrong},
      {"8,5", "8.48528137423857", AnswerMark::Right},
      {"8,49", "8.48528137423857", AnswerMark::Right},
      {"+8,49", "8.48528137423857", AnswerMark::Right},  // a decimal still, not a form
      {"8,48", "8.48528137423857", AnswerMark::Wrong},
      {"8,4852814", "8.48528137423857", AnswerMark::Right},
      {"8,4852813", "8.48528137423857", AnswerMark::Wrong},
      {"8", "8.48528137423857", AnswerMark::Wrong},
      {"2,3", "2.25", AnswerMark::Right},  // half up
      {"2,2", "2.25", AnswerMark::Wrong},
      {"0,1", "0.05", AnswerMark::Right},
      {"12\u00a0345,5", "12345.5", AnswerMark::Right},
      {"-2,4", "2.4", AnswerMark::NotPositive},
      {"\u22122,4", "2.4", AnswerMark::NotPositive},
      {"0", "2.4", AnswerMark::NotPositive},
      {"0,00", "2.4", AnswerMark::NotPositive},
      {"3cm", "3.0", AnswerMark::NotNumber},
      {"3.5.1", "3.5", AnswerMark::NotNumber},
      {"2,4 см", "2.4", AnswerMark::NotNumber},
      {"b = 8", "8.0", AnswerMark::NotNumber},
      {"a = 6; c = 10", "6.0", AnswerMark::NotNumber},
      {"3 5", "35.0", AnswerMark::NotNumber},
      {"1e1", "10.0", AnswerMark::NotNumber},
      {"-", "2.4", AnswerMark::NotNumber},
      {"abc", "2.4", AnswerMark::NotNumber},
      {"1e400", "2.4", AnswerMark::NotNumber},
      {"2,40000000", "2.4", AnswerMark::TooManyDecimals},
      {"", "2.4", AnswerMark::Empty},
      {" \t", "2.4", AnswerMark::Empty},
  };
  for (const AnswerRow& row : table) {
    EXPECT_EQ(MarkOfAnswer(row.typed, *ExactDecimal::Parse(row.exact), BulgarianSettings()), row.expected)
        << row.typed;
  }
}

TEST(AnswerCheck, TheRuleShownToTheStudentUsesTheRegionalSign) {
  EXPECT_NE(AnswerRule(BulgarianSettings()).find("верни са 8,5 и 8,49, но не 8,48"), std::string::npos);
  EXPECT_NE(AnswerRule(EnglishUsSettings()).find("верни са 8.5 и 8.49, но не 8.48"), std::string::npos);
}

TEST(AnswerCheck, ReadsTheRegionalSigns) {
  // In en_US "," groups digits: "2,4" is no number there, "1,234.5" is one.
  EXPECT_EQ(MarkOfAnswer("2,4", *ExactDecimal::Parse("2.4"), EnglishUsSettings()), AnswerMark::NotNumber);
  EXPECT_EQ(MarkOfAnswer("2.4", *ExactDecimal::Parse("2.4"), EnglishUsSettings()), AnswerMark::Right);
  EXPECT_EQ(MarkOfAnswer("1,234.5", *ExactDecimal::Parse("1234.5"), EnglishUsSettings()), AnswerMark::Right);
  EXPECT_EQ(MarkOfAnswer("2,4", *ExactDecimal::Parse("2.4"), PosixSettings()), AnswerMark::NotNumber);
}

PracticeTask TaskOf(int row, long long first, long long second) {
  PracticeTask task;
  task.listIndex = row;
  task.firstHundredths = first;
  task.secondHundredths = second;
  task.hasTriangle = ExactLengths(row, task.First(), task.Second()).has_value();
  task.fault = task.hasTriangle ? TriangleFault::None : FindTriangleFault(row, task.First(), task.Second());
  return task;
}

TEST(TaskCheckTest, MarksEveryBoxAndSaysHowManyAreRight) {
  const PracticeTask task = TaskOf(1, 600, 1000);  // a = 6, c = 10: b = 8, hc = 4,8, a1 = 3,6, b1 = 6,4
  const TaskCheck all = CheckTask(task, {"8", "4,8", "3,60", "6,4"}, false, BulgarianSettings());
  EXPECT_TRUE(all.solved);
  EXPECT_EQ(all.summary, "Вярно: и четирите дължини.");
  const TaskCheck some = CheckTask(task, {"8", "4,9", "3cm", ""}, false, BulgarianSettings());
  EXPECT_FALSE(some.solved);
  EXPECT_EQ(some.marks[0], AnswerMark::Right);
  EXPECT_EQ(some.marks[1], AnswerMark::Wrong);
  EXPECT_EQ(some.marks[2], AnswerMark::NotNumber);
  EXPECT_EQ(some.marks[3], AnswerMark::Empty);
  EXPECT_EQ(some.summary, "Верни: 1 от 4. b: вярно; hc: грешно; a1: не е число; b1: няма отговор.");
  // A blank or a no-break space pasted around a right answer keeps it right.
  const TaskCheck pasted =
      CheckTask(task, {"8\u00a0", "\u00a04,8", " 3,6\u00a0", "6,4 "}, false, BulgarianSettings());
  EXPECT_TRUE(pasted.solved) << pasted.summary;
  const TaskCheck denied = CheckTask(task, {"8", "4,8", "3,6", "6,4"}, true, BulgarianSettings());
  EXPECT_FALSE(denied.solved);
  EXPECT_NE(denied.summary.find("Има такъв триъгълник"), std::string::npos);
}

TEST(TaskCheckTest, ATaskWithNoTriangleIsSolvedBySayingSo) {
  const PracticeTask task = TaskOf(1, 1200, 1000);  // a = 12 > c = 10
  ASSERT_FALSE(task.hasTriangle);
  const TaskCheck right = CheckTask(task, {"", "", "", ""}, true, BulgarianSettings());
  EXPECT_TRUE(right.solved);
  EXPECT_NE(right.summary.find("Катетът a трябва да е по-къс от хипотенузата c"), std::string::npos)
      << right.summary;
  // „няма такъв триъгълник“ ticked with a number still typed is not solved.
  const TaskCheck both = CheckTask(task, {"", "", "5", ""}, true, BulgarianSettings());
  EXPECT_FALSE(both.solved);
  EXPECT_EQ(both.marks[2], AnswerMark::Wrong);
  const TaskCheck typed = CheckTask(task, {"5", "", "", ""}, false, BulgarianSettings());
  EXPECT_FALSE(typed.solved);
  EXPECT_EQ(typed.marks[0], AnswerMark::Wrong);
  EXPECT_NE(typed.summary.find("Няма такъв триъгълник"), std::string::npos);
}

TEST(ExactLengthsTest, AgreeWithTheSolverInEveryRow) {
  // The 6, 8, 10 triangle from each row's two values.
  const std::array<double, kQuantityCount> lengths = {6.0, 8.0, 10.0, 4.8, 3.6, 6.4};
  for (int row = 0; row < kGivenPairCount; ++row) {
    const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(row)];
    const auto exact = ExactLengths(row, lengths[static_cast<std::size_t>(IndexOf(pair.first))],
                                    lengths[static_cast<std::size_t>(IndexOf(pair.second))]);
    ASSERT_TRUE(exact) << pair.listText;
    for (std::size_t q = 0; q < lengths.size(); ++q)
      EXPECT_NEAR((*exact)[q], lengths[q], 1e-12) << pair.listText;
  }
  EXPECT_FALSE(ExactLengths(9, 10.0, 5.5));   // c,hc: hc > c/2
  EXPECT_FALSE(ExactLengths(1, 10.0, 10.0));  // a,c: a = c is a segment
}

TEST(PracticeSheet, PrintsTheTasksThenTheKey) {
  const PracticeSet set = SetOf(77, RowBit(1) | RowBit(9), false, 3);
  const std::string sheet = PlainPracticeSheet(set, BulgarianSettings());
  const std::string code = PracticeCodeOf(set);
  EXPECT_EQ(
      sheet,
      "Упражнение " + code +
          ": 3 задачи, двойки a,c; c,hc, с десетични дадени числа\n"
          "На страницата на програмата: адресът и #practice=" +
          code +
          "\n"
          "\n"
          "Задачи\n"
          "1. Дадено: a = 43,2; c = 45. Намерете b, hc, a1, b1.\n"
          "2. Дадено: c = 26; hc = 12. Намерете a, b, a1, b1.\n"
          "3. Дадено: a = 2,8; c = 5. Намерете b, hc, a1, b1.\n"
          "\n"
          "Отговори (" +
          code +
          ")\n"
          "1. a = 43,2000000; b = 12,6000000; c = 45,0000000; hc = 12,0960000; a1 = 41,4720000; b1 = "
          "3,5280000\n"
          // c = 26, hc = 12: b1 = (26 + √100)/2 = 18, a = √(26·8) = 4√13.
          "2. a = 4√13 ≈ 14,4222051; b = 6√13 ≈ 21,6333077; c = 26,0000000; hc = 12,0000000; a1 = 8,0000000; "
          "b1 = 18,0000000\n"
          // b = √(25 − 7,84) = √1716/10 = √429/5, hc = 2,8·b/5 = 14√429/125.
          "3. a = 2,8000000; b = √429/5 ≈ 4,1424630; c = 5,0000000; hc = 14√429/125 ≈ 2,3197793; a1 = "
          "1,5680000; "
          "b1 = 3,4320000\n");
}

// Whole sets, pinned: a digest (64-bit FNV-1a) of the printed sheets of 300
// sets of 16 tasks with every kind of option, so that a change to any task
// of any of them shows, on the desktop and on WebAssembly alike. The digest
// was taken after these 300 sheets had been compared line for line with
// those of the generator before it moved to the rows' exact arithmetic
// (the same tasks and key decimals; the key's exact forms are new).
TEST(PracticeSetsPinned, WholeSheetsOfThreeHundredSets) {
  std::uint64_t digest = 14695981039346656037ULL;
  int tasks = 0;
  for (std::uint32_t n = 0; n < 300; ++n) {
    PracticeSet set;
    set.variant = (n * 337U) % PracticeSet::kVariants;
    set.options.count = PracticeOptions::kMaxCount;
    set.options.easy = n % 3 == 1;
    if (n % 5 == 2) set.options.pairMask = 0x0290;  // a,b1, b,a1, c,hc: the quadratics
    if (n % 7 == 3) set.options.pairMask = 0x0106;  // a,c, a,hc, b,b1
    for (const char byte : PlainPracticeSheet(set, RegionalSettings::Posix())) {
      digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
    }
    tasks += static_cast<int>(TasksOf(set).size());
  }
  EXPECT_EQ(tasks, 300 * PracticeOptions::kMaxCount);
  EXPECT_EQ(digest, 5945702438468405099ULL);
}

// The retries pinned as well: task count + k of 40 sets of 16, by their
// statements, so that a retry is the same on every device.
TEST(PracticeSetsPinned, TheRetriesOfFortySets) {
  std::uint64_t digest = 14695981039346656037ULL;
  for (std::uint32_t n = 0; n < 40; ++n) {
    PracticeSet set;
    set.variant = (n * 211U) % PracticeSet::kVariants;
    set.options.count = PracticeOptions::kMaxCount;
    set.options.easy = n % 2 == 1;
    const std::vector<PracticeTask> tasks = TasksWithRetries(set);
    for (std::size_t k = PracticeOptions::kMaxCount; k < tasks.size(); ++k) {
      for (const char byte : PlainText(TaskStatement(tasks[k], RegionalSettings::Posix()))) {
        digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
      }
    }
  }
  EXPECT_EQ(digest, 3569107848313412283ULL);
}

}  // namespace
}  // namespace rt
