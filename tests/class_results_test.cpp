// The teacher's table from the lines that students hand over: a name and a
// result code a line, in whatever form a class pastes them; every line
// either a row of the table or a note that says why it is not.

#include "practice/class_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice/practice_code.h"
#include "practice/practice_tasks.h"

namespace rt {
namespace {

PracticeSet Set9SVZUC() { return *PracticeSetOfCode("9SVZUC"); }  // 3 tasks: a,c; c,hc; a,c

std::string CodeOf(const PracticeSet& set, std::vector<TaskResult> tasks) {
  return ResultCodeOf({set, std::move(tasks)});
}

constexpr TaskResult kAlone{TaskOutcome::Alone, MistakeTag::None};
constexpr TaskResult kHints{TaskOutcome::Hints, MistakeTag::None};
constexpr TaskResult kNone{TaskOutcome::None, MistakeTag::None};
constexpr TaskResult Mistake(MistakeTag tag) { return {TaskOutcome::Mistakes, tag}; }

std::vector<std::string> NotesOf(const ClassResults& results) {
  std::vector<std::string> notes;
  for (const LineNote& note : results.notes) notes.push_back(note.text);
  return notes;
}

TEST(ClassResults, ReadsANameAndACodeInTheFormsAClassPastesThem) {
  const PracticeSet set = Set9SVZUC();
  const std::string code = CodeOf(set, {kAlone, Mistake(MistakeTag::SwappedProjection), kNone});
  const std::string grouped_with_blanks = [&code] {
    std::string text = code;
    for (char& c : text) c = c == '-' ? ' ' : c;
    return text;
  }();
  const std::vector<std::pair<std::string, std::string>> lines = {
      {"Иван Петров " + code, "Иван Петров"},
      {"Мария\t" + code, "Мария"},
      {"Ana, " + code, "Ana"},  // a name that reads like the code's letters
      {"  " + code + "  ", ""},
      {"12 " + grouped_with_blanks, "12"},
      {"ANA: " + std::string("9svzuc") + code.substr(6), "ANA"},
      {"Иван Иванов; " + code, "Иван Иванов"},
  };
  for (const auto& [line, name] : lines) {
    const ClassResults results = ReadClassResults(set, line);
    ASSERT_EQ(results.students.size(), 1U) << line;
    EXPECT_EQ(results.students[0].name, name) << line;
    EXPECT_EQ(results.students[0].tasks,
              (std::vector<TaskResult>{kAlone, Mistake(MistakeTag::SwappedProjection), kNone}));
    EXPECT_TRUE(results.notes.empty()) << line << ": " << results.notes[0].text;
  }
}

TEST(ClassResults, NamesEveryLineItLeavesOutAndLosesNone) {
  const PracticeSet set = Set9SVZUC();
  const std::string code = CodeOf(set, {kAlone, kAlone, kHints});
  std::string typo = code;
  typo[8] = typo[8] == 'Z' ? 'Y' : 'Z';
  std::string swapped = code;
  std::size_t at = 7;
  while (swapped[at] == swapped[at + 1] || swapped[at + 1] == '-') ++at;
  std::swap(swapped[at], swapped[at + 1]);
  PracticeSet other = set;
  other.variant ^= 1;
  const std::string foreign = CodeOf(other, {kAlone, kAlone, kAlone});
  const std::string farewell = "Поздрави, " + std::string(60, 'x');
  const std::string pasted =
      "Здравейте, ето резултатите:\n"
      "\n"
      "Иван " +
      code +
      "\r\n"
      "Петър " +
      typo +
      "\n"
      "Гергана " +
      swapped +
      "\n"
      "Стоян " +
      foreign +
      "\n"
      "иВАН " +
      code +
      "\n"
      "Рая 9SVZUC-0000\n"
      "   \n" +
      farewell + "\nANA " + typo;
  const ClassResults results = ReadClassResults(set, pasted);
  ASSERT_EQ(results.students.size(), 2U);
  EXPECT_EQ(results.students[0].name, "Иван");
  EXPECT_EQ(results.students[0].line, 3);
  EXPECT_EQ(results.students[1].name, "иВАН");
  EXPECT_EQ(results.students[1].line, 7);
  const std::string mistyped = "Кодът е преписан грешно: знак е сбъркан или два знака са разменени.";
  const std::string kZero = "Знакът „0“ не е от кода: в него има само цифрите 2–9 и буквите A–Z без I и O.";
  EXPECT_EQ(NotesOf(results),
            (std::vector<std::string>{
                "Ред 1 („Здравейте, ето резултатите:“) няма код.",
                "Ред 4 („Петър " + typo + "“): " + mistyped,
                "Ред 5 („Гергана " + swapped + "“): " + mistyped,
                "Ред 6 („Стоян " + foreign + "“) е резултат от друг набор, " + PracticeCodeOf(other) +
                    ", не от 9SVZUC.",
                "Ред 7: името „иВАН“ е и на ред 3; и двата реда са в таблицата.",
                "Ред 8 („Рая 9SVZUC-0000“): " + kZero,
                "Ред 10 („Поздрави, " + std::string(30, 'x') + "…“) няма код.",  // forty characters quoted
                // A name of the code's letters, and a code that got furthest: mistyped.
                "Ред 11 („ANA " + typo + "“): " + mistyped,
            }));
}

// Ten thousand lines of every kind: each is a row, a note, or blank.
TEST(ClassResults, TenThousandLinesOfEveryKindEachAnswered) {
  const PracticeSet set = Set9SVZUC();
  const std::string code = CodeOf(set, {kAlone, kHints, kNone});
  std::string pasted;
  int blank = 0;
  for (int n = 0; n < 10000; ++n) {
    switch (n % 5) {
      case 0: pasted += "Ученик " + std::to_string(n) + " " + code; break;
      case 1: pasted += code.substr(0, static_cast<std::size_t>(n % 14)); break;
      case 2: pasted += std::string(static_cast<std::size_t>(n % 300), "\t -Жx9"[n % 6]); break;
      case 3: pasted += "\xFF\xFE" + std::to_string(n); break;
      case 4: pasted += "Иван " + code; break;
    }
    if (n % 5 == 1 && n % 14 == 0) ++blank;
    if (n % 5 == 2 && (n % 300 == 0 || "\t -Жx9"[n % 6] == ' ' || "\t -Жx9"[n % 6] == '\t')) ++blank;
    pasted += "\n";
  }
  const ClassResults results = ReadClassResults(set, pasted);
  std::size_t named_twice = 0;
  for (const LineNote& note : results.notes) named_twice += note.kept ? 1U : 0U;
  EXPECT_EQ(results.students.size(), 4000U);
  // Every line that is not blank is a row or a note (a row may have a note
  // too); the text's last line end leaves an empty line 10001.
  EXPECT_EQ(results.students.size() + results.notes.size() - named_twice + static_cast<std::size_t>(blank),
            10000U);
  EXPECT_EQ(named_twice, 1999U);  // "Иван" again and again
}

TEST(ClassResults, SumsUpEachTaskAndEachPair) {
  const PracticeSet set = Set9SVZUC();
  const std::vector<std::vector<TaskResult>> students = {
      {kAlone, Mistake(MistakeTag::SwappedProjection), kNone},
      {kAlone, Mistake(MistakeTag::SwappedProjection), {TaskOutcome::None, MistakeTag::NoRoot}},
      {Mistake(MistakeTag::OtherLength), {TaskOutcome::Hints, MistakeTag::HypotenuseAsLeg}, kAlone},
      {kHints, Mistake(MistakeTag::NoRoot), kAlone},
      {kNone, Mistake(MistakeTag::OtherRoot), kAlone},
  };
  std::string pasted;
  for (std::size_t n = 0; n < students.size(); ++n) {
    pasted += "Ученик" + std::to_string(n + 1) + " " + CodeOf(set, students[n]) + "\n";
  }
  const ClassResults results = ReadClassResults(set, pasted);
  ASSERT_EQ(results.tasks.size(), 3U);
  EXPECT_EQ(results.tasks[0].alone, 2);
  EXPECT_EQ(results.tasks[0].mistakes, 1);
  EXPECT_EQ(results.tasks[0].hints, 1);
  EXPECT_EQ(results.tasks[0].none, 1);
  // Task 2: five first mistakes of four kinds; the commonest first, then in
  // the catalogue's order, three at most.
  const std::vector<MistakeCount>& commonest = results.tasks[1].commonest;
  ASSERT_EQ(commonest.size(), 3U);
  EXPECT_EQ(commonest[0].tag, MistakeTag::SwappedProjection);
  EXPECT_EQ(commonest[0].students, 2);
  EXPECT_EQ(commonest[1].tag, MistakeTag::HypotenuseAsLeg);
  EXPECT_EQ(commonest[2].tag, MistakeTag::NoRoot);
  EXPECT_EQ(results.tasks[2].none, 2);
  ASSERT_EQ(results.tasks[2].commonest.size(), 1U);
  // The pairs: a,c (tasks 1 and 3) and c,hc (task 2), in the list's order.
  const std::vector<PracticeTask> tasks = TasksOf(set);
  ASSERT_EQ(results.pairs.size(), 2U);
  EXPECT_EQ(results.pairs[0].listIndex, 1);  // a,c
  EXPECT_EQ(results.pairs[0].alone, 5);
  EXPECT_EQ(results.pairs[0].helped, 2);
  EXPECT_EQ(results.pairs[0].none, 3);
  EXPECT_EQ(results.pairs[1].listIndex, 9);  // c,hc
  EXPECT_EQ(results.pairs[1].helped, 5);
  EXPECT_EQ(tasks[1].listIndex, 9);

  EXPECT_EQ(ClassResultsTable(results),
            "име\t1\t2\t3\n"
            "Ученик1\talone\tmistakes:swapped-projection\tnone\n"
            "Ученик2\talone\tmistakes:swapped-projection\tnone:no-root\n"
            "Ученик3\tmistakes:other-length\thints:hypotenuse-as-leg\talone\n"
            "Ученик4\thints\tmistakes:no-root\talone\n"
            "Ученик5\tnone\tmistakes:other-root\talone\n");
  const std::string csv = ClassResultsCsv(results);
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(csv.find("\"Име\",\"Задача 1\",\"Задача 2\",\"Задача 3\"\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\"Ученик1\",\"сам\",\"след грешка: проекцията на другия катет\",\"нерешена\"\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\"Ученик4\",\"с подсказка\",\"след грешка: забравен корен квадратен\",\"сам\"\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("\"Решили сами\",\"40 %\",\"0 %\",\"60 %\"\r\n"), std::string::npos) << csv;
}

// Names are told apart in either case, in the whole Cyrillic alphabet.
TEST(ClassResults, ANameInAnotherCaseIsTheSameName) {
  const PracticeSet set = Set9SVZUC();
  const std::string code = CodeOf(set, {kAlone, kAlone, kAlone});
  for (const auto& [one, other] : std::vector<std::pair<std::string, std::string>>{
           {"Петър Ъгълов", "ПЕТЪР ЪГЪЛОВ"}, {"Яна", "яНА"}, {"Ana", "ANA"}}) {
    std::string pasted = one;
    pasted.append(" ").append(code).append("\n").append(other).append(" ").append(code);
    const ClassResults results = ReadClassResults(set, pasted);
    ASSERT_EQ(results.notes.size(), 1U) << other;
    EXPECT_TRUE(results.notes[0].kept);
    EXPECT_EQ(results.students.size(), 2U);
  }
  EXPECT_TRUE(ReadClassResults(set, "Петър " + code + "\nПетя " + code).notes.empty());
}

// A name with quotes, tabs or a comma stays one cell.
TEST(ClassResults, ANameStaysOneCell) {
  const PracticeSet set = Set9SVZUC();
  const ClassResults results =
      ReadClassResults(set, "Ива \"Ивчо\", 7а\t" + CodeOf(set, {kAlone, kAlone, kAlone}));
  ASSERT_EQ(results.students.size(), 1U);
  EXPECT_EQ(results.students[0].name, "Ива \"Ивчо\", 7а");
  EXPECT_NE(ClassResultsCsv(results).find("\"Ива \"\"Ивчо\"\", 7а\",\"сам\""), std::string::npos);
  // A tab inside a name is a blank in the table's cell.
  const ClassResults tabbed = ReadClassResults(set, "Ива\tПетрова " + CodeOf(set, {kAlone, kAlone, kAlone}));
  ASSERT_EQ(tabbed.students.size(), 1U);
  EXPECT_EQ(ClassResultsTable(tabbed), "име\t1\t2\t3\nИва Петрова\talone\talone\talone\n");
  EXPECT_EQ(ClassResultsTable(results).substr(std::string("име\t1\t2\t3\n").size()),
            "Ива \"Ивчо\", 7а\talone\talone\talone\n");
}

}  // namespace
}  // namespace rt
