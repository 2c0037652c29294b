#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "practice/result_code.h"

namespace rt {

// One student's row: the name as typed before the code (empty when none),
// and the result the code holds.
struct StudentResult {
  int line = 0;  // from 1, in the pasted text
  std::string name;
  std::vector<TaskResult> tasks;
};

// A line that gave no row, or a row worth a word: its number and what the
// teacher is told of it.
struct LineNote {
  int line = 0;
  std::string text;
  bool kept = false;  // the line's row is in the table all the same
};

struct MistakeCount {
  MistakeTag tag = MistakeTag::None;
  int students = 0;
};

// How the class did on one task of the set.
struct TaskSummary {
  int alone = 0, mistakes = 0, hints = 0, none = 0;
  std::vector<MistakeCount> commonest;  // the first mistakes, at most three, commonest first
};

// How the class did on one row of the pair list: its tasks of all the
// students, by outcome.
struct PairSummary {
  int listIndex = 0;
  int alone = 0, helped = 0, none = 0;
};

struct ClassResults {
  PracticeSet set;
  std::vector<StudentResult> students;  // in the pasted order
  std::vector<LineNote> notes;          // in the pasted order
  std::vector<TaskSummary> tasks;       // the set's count of them
  std::vector<PairSummary> pairs;       // the rows that the set's tasks use, in the list's order
};

// The class's results for `set` from pasted lines, one a student: a name
// (or nothing) and a result code ("Иван 9SVZUC-K3M7-…"). A blank line is
// passed over; a line with no code, a mistyped code or a code of another set
// is named in a note and left out; a name met before is kept, with a note.
ClassResults ReadClassResults(const PracticeSet& set, std::string_view pasted);

// The table as tab-separated text: a heading row ("име", then the tasks'
// numbers), then a row a student, each task as TaskResultItem writes it,
// each line ending in a line end. Tabs and
// line ends in a name become blanks.
std::string ClassResultsTable(const ClassResults& results);

// The table for a spreadsheet program: UTF-8 with a byte-order mark (so
// that the Cyrillic opens right), comma-separated, every cell quoted, in
// words (TaskResultWords), then the share of each task solved alone.
std::string ClassResultsCsv(const ClassResults& results);

// A task's result in a teacher's words: „сам“, „след грешка: проекцията на
// другия катет“, „с подсказка“, „нерешена“.
std::string TaskResultWords(const TaskResult& result);

// The share of `part` in `whole`, rounded: "40 %", "–" for none of none.
std::string SharePercent(int part, int whole);

}  // namespace rt
