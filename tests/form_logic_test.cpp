#include "form/triangle_form_logic.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/given_pair.h"
#include "solution/math_text.h"
#include "solution/worked_solution.h"
#include "tests/regional_presets.h"

namespace rt {
namespace {

// The window's control properties in memory, as the forms runtime keeps
// them, with a log of every write in the order the logic makes it. Writing a
// different ListIndex raises List1_Click(0) inside the write, as the runtime
// does; the log shows where the nested handler ran.
class MemoryForm : public FormProperties {
 public:
  TriangleFormLogic* logic = nullptr;
  int listIndex = -1;  // the definition selects no row
  std::array<int, kQuantityCount> check{};
  std::array<std::string, kQuantityCount> text{};
  std::array<bool, kQuantityCount> locked{true, true, true, true, true, true};
  std::vector<FailureMessage> failures;
  std::vector<std::string> log;

  int ListIndex() const override { return listIndex; }
  void SetListIndex(int row) override {
    log.push_back("ListIndex=" + std::to_string(row));
    if (row == listIndex) return;
    listIndex = row;
    log.emplace_back("List1_Click(0) {");
    logic->List1_Click(0);
    log.emplace_back("}");
  }
  int CheckValue(int i) const override { return check.at(static_cast<std::size_t>(i)); }
  void SetCheckValue(int i, int value) override {
    Log("Check1", i, "Value", std::to_string(value));
    check.at(static_cast<std::size_t>(i)) = value;
  }
  void SetCheckEnabled(int i, bool enabled) override {
    Log("Check1", i, "Enabled", enabled ? "true" : "false");
  }
  std::string Text(int i) const override { return text.at(static_cast<std::size_t>(i)); }
  void SetText(int i, std::string_view value) override {
    Log("Text2", i, "Text", "\"" + std::string(value) + "\"");
    text.at(static_cast<std::size_t>(i)) = value;
  }
  void SetLocked(int i, bool value) override {
    Log("Text2", i, "Locked", value ? "true" : "false");
    locked.at(static_cast<std::size_t>(i)) = value;
  }
  void SetMaxLength(int i, int length) override { Log("Text2", i, "MaxLength", std::to_string(length)); }
  void ShowFailure(const FailureMessage& message) override {
    log.emplace_back("ShowFailure");
    failures.push_back(message);
  }

  // The writes logged since `mark`.
  std::vector<std::string> Since(std::size_t mark) const {
    return {log.begin() + static_cast<std::ptrdiff_t>(mark), log.end()};
  }

 private:
  void Log(const char* control, int i, const char* property, const std::string& value) {
    log.push_back(std::string(control) + "(" + std::to_string(i) + ")." + property + "=" + value);
  }
};

// The six writes `Text2(i).<property>=<value>` for i from 0 to 5.
std::vector<std::string> AllSix(const std::string& property, const std::string& value) {
  std::vector<std::string> writes;
  writes.reserve(kQuantityCount);
  for (int i = 0; i < kQuantityCount; ++i) {
    std::string write = "Text2(" + std::to_string(i) + ").";
    write += property;
    write += "=";
    write += value;
    writes.push_back(std::move(write));
  }
  return writes;
}

// A loaded window: the logic bound to its properties and Form_Load raised.
struct LoadedForm {
  MemoryForm form;
  TriangleFormLogic logic{form, test::PosixSettings()};
  LoadedForm() {
    form.logic = &logic;
    logic.Form_Load();
  }
};

// The reset of all six quantities that SelectGivenPair begins with: four
// writes per quantity, one quantity after the other.
std::vector<std::string> Reset() {
  std::vector<std::string> writes;
  for (int i = 0; i < kQuantityCount; ++i) {
    const std::string n = std::to_string(i);
    writes.insert(writes.end(), {"Check1(" + n + ").Enabled=false", "Check1(" + n + ").Value=0",
                                 "Text2(" + n + ").Text=\"\"", "Text2(" + n + ").Locked=true"});
  }
  return writes;
}

TEST(FormLoad, SelectsRowZeroWithTheClickNestedInsideTheWrite) {
  LoadedForm loaded;
  std::vector<std::string> expected = AllSix("Text", "\"\"");
  for (const std::string& write : AllSix("MaxLength", "7")) expected.push_back(write);
  expected.emplace_back("ListIndex=0");
  expected.emplace_back("List1_Click(0) {");
  for (const std::string& write : Reset()) expected.push_back(write);
  expected.insert(expected.end(), {"Check1(0).Value=1", "Text2(0).Locked=false", "Check1(1).Value=1",
                                   "Text2(1).Locked=false", "}"});
  // Steps 4 to 7 repeat the marking of row 0.
  expected.insert(expected.end(), {"Check1(0).Value=1", "Text2(0).Locked=false", "Check1(1).Value=1",
                                   "Text2(1).Locked=false"});
  EXPECT_EQ(loaded.form.log, expected);
}

class SelectGivenPairTest : public testing::TestWithParam<int> {};

TEST_P(SelectGivenPairTest, ResetsAllSixThenTicksAndOpensTheRowsPair) {
  LoadedForm loaded;
  MemoryForm& f = loaded.form;
  f.text = {"3", "4", "5.0000000", "x", "", "7"};
  const int row = GetParam();
  f.listIndex = row;  // as the list leaves it when the student picks a row
  const std::size_t mark = f.log.size();
  loaded.logic.List1_Click(0);

  const GivenPair pair = *PairOfListIndex(row);
  std::vector<std::string> expected = Reset();
  for (const Quantity q : {pair.first, pair.second}) {
    const std::string n = std::to_string(IndexOf(q));
    expected.insert(expected.end(), {"Check1(" + n + ").Value=1", "Text2(" + n + ").Locked=false"});
  }
  EXPECT_EQ(f.Since(mark), expected);
  for (int i = 0; i < kQuantityCount; ++i) {
    const bool given = i == IndexOf(pair.first) || i == IndexOf(pair.second);
    EXPECT_EQ(f.check[static_cast<std::size_t>(i)], given ? 1 : 0) << i;
    EXPECT_EQ(f.locked[static_cast<std::size_t>(i)], !given) << i;
    EXPECT_EQ(f.text[static_cast<std::size_t>(i)], "") << i;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, SelectGivenPairTest, testing::Range(0, kGivenPairCount),
                         [](const auto& info) {
                           std::string name(PairOfListIndex(info.param)->listText);
                           for (char& c : name) c = c == ',' ? '_' : c;
                           return name;
                         });

TEST(SelectGivenPair, WithNoRowSelectedOnlyResets) {
  for (const int row : {-1, 15, 32767}) {
    LoadedForm loaded;
    loaded.form.listIndex = row;
    const std::size_t mark = loaded.form.log.size();
    loaded.logic.List1_Click(0);
    EXPECT_EQ(loaded.form.Since(mark), Reset()) << row;
  }
}

TEST(SolveTriangle, WritesAllSixBoxesInIndexOrder) {
  LoadedForm loaded;
  MemoryForm& f = loaded.form;
  f.text[0] = "3";
  f.text[1] = "4";
  const std::size_t mark = f.log.size();
  loaded.logic.Command1_Click(0);
  EXPECT_EQ(f.Since(mark),
            (std::vector<std::string>{"Text2(0).Text=\"3.0000000\"", "Text2(1).Text=\"4.0000000\"",
                                      "Text2(2).Text=\"5.0000000\"", "Text2(3).Text=\"2.4000000\"",
                                      "Text2(4).Text=\"1.8000000\"", "Text2(5).Text=\"3.2000000\""}));
}

// A run writes all six boxes or none: a value that is not positive writes
// nothing and tells nothing; an impossible triangle writes nothing and shows
// one message.
struct NoWriteCase {
  const char* name;
  int row;
  std::array<std::string, kQuantityCount> texts;
  bool failureShown;
};

void PrintTo(const NoWriteCase& c, std::ostream* os) { *os << c.name; }

class SolveWritesNothingTest : public testing::TestWithParam<NoWriteCase> {};

TEST_P(SolveWritesNothingTest, LeavesEveryPropertyAsItWas) {
  const NoWriteCase& c = GetParam();
  LoadedForm loaded;
  MemoryForm& f = loaded.form;
  f.SetListIndex(c.row);
  f.text = c.texts;
  const std::size_t mark = f.log.size();
  loaded.logic.Command1_Click(0);
  EXPECT_EQ(f.Since(mark),
            c.failureShown ? std::vector<std::string>{"ShowFailure"} : std::vector<std::string>{});
  EXPECT_EQ(f.text, c.texts);
  EXPECT_EQ(f.failures.size(), c.failureShown ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(Cases, SolveWritesNothingTest,
                         testing::Values(NoWriteCase{"NegativeGiven", 9, {"", "", "10", "-2", "", ""}, false},
                                         NoWriteCase{
                                             "LegLongerThanHypotenuse", 1, {"5", "", "3", "", "", ""}, true},
                                         NoWriteCase{"TooLarge", 0, {"1e200", "1", "", "", "", ""}, true}),
                         [](const auto& info) { return info.param.name; });

TEST(SolveTriangle, TheMessageNamesTheBrokenRelation) {
  LoadedForm loaded;
  loaded.form.SetListIndex(1);
  loaded.form.text = {"5", "", "3", "", "", ""};
  loaded.logic.Command1_Click(0);
  ASSERT_EQ(loaded.form.failures.size(), 1U);
  EXPECT_EQ(loaded.form.failures[0].title, "Триъгълникът не може да се изчисли");
  // The message of the selected row and its broken condition.
  EXPECT_EQ(loaded.form.failures[0].explanation,
            DescribeFailure(1, RuntimeError::InvalidOperation, TriangleFault::LegNotShorterThanHypotenuse)
                .explanation);
}

TEST(ClearValues, EmptiesTheSixBoxesAndNothingElse) {
  LoadedForm loaded;
  MemoryForm& f = loaded.form;
  f.text = {"3", "4", "5", "6", "7", "8"};
  const std::size_t mark = f.log.size();
  loaded.logic.Command1_Click(1);
  EXPECT_EQ(f.Since(mark), AllSix("Text", "\"\""));
}

// A window that shows solutions (the page) gets the worked solution of the
// very run that wrote the boxes: one solve per "Изчисли", and an empty
// solution when the values are cleared or another row is chosen.
// The program's solver, counting its runs.
int solve_runs = 0;
SolveOutcome CountingSolver(const SolverInput& input, const RegionalSettings& settings, SolveDetail& detail) {
  ++solve_runs;
  return SolveTriangle(input, settings, detail);
}

class SolutionForm : public MemoryForm {
 public:
  std::vector<WorkedSolution> solutions;
  void ShowSolutionOf(const SolveDetail& detail, const SolveOutcome& outcome) override {
    solutions.push_back(WorkedSolutionOf(detail, outcome, RegionalSettings::Posix()));
  }
  void ClearSolution() override { solutions.emplace_back(); }
};

TEST(ShowSolution, OneSolvePerCalculateAndTheSolutionOfThatRun) {
  SolutionForm form;
  TriangleFormLogic logic(form, RegionalSettings::Posix(), &CountingSolver);
  form.logic = &logic;
  logic.Form_Load();
  form.SetListIndex(9);
  form.text = {"", "", "10", "4.8", "", ""};
  const int runs = solve_runs;
  const std::size_t shown = form.solutions.size();
  logic.Command1_Click(0);
  EXPECT_EQ(solve_runs, runs + 1);
  ASSERT_EQ(form.solutions.size(), shown + 1);
  const WorkedSolution& solution = form.solutions.back();
  EXPECT_EQ(solution.outcome, WorkedSolution::Outcome::Solved);
  EXPECT_EQ(PlainText(solution.given[0]), "c = 10");
  EXPECT_EQ(solution.texts, form.text);  // the boxes that run wrote

  logic.Command1_Click(1);
  EXPECT_EQ(form.solutions.back().outcome, WorkedSolution::Outcome::NoPair);
  form.text = {"", "", "10", "4.8", "", ""};
  logic.Command1_Click(0);
  form.SetListIndex(0);
  EXPECT_EQ(form.solutions.back().outcome, WorkedSolution::Outcome::NoPair);
  EXPECT_EQ(solve_runs, runs + 2);
}

// The desktop window shows no solution, and nothing builds one for it.
TEST(ShowSolution, AWindowWithoutSolutionsGetsNone) {
  MemoryForm form;
  TriangleFormLogic logic(form, test::PosixSettings(), &CountingSolver);
  form.logic = &logic;
  logic.Form_Load();
  form.text = {"3", "4", "", "", "", ""};
  const int runs = solve_runs;
  logic.Command1_Click(0);
  EXPECT_EQ(solve_runs, runs + 1);
  EXPECT_EQ(form.text[2], "5.0000000");
}

}  // namespace
}  // namespace rt
