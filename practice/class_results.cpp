#include "practice/class_results.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#include "messages/quoted_text.h"
#include "practice/practice_tasks.h"

namespace rt {
namespace {

constexpr std::size_t kQuotedLength = 40;  // characters of a line named in a note
constexpr std::size_t kCommonest = 3;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A line as a note quotes it: its first characters.
std::string Quoted(std::string_view line) { return QuotedText(line, kQuotedLength); }

// The blank-separated words of a line, as views into it.
std::vector<std::string_view> WordsOf(std::string_view line) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < line.size();) {
    if (IsBlank(line[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

// Whether a word could be part of a code: a dash, or what the code reads.
bool CodeLike(std::string_view word) { return ReadResultCode(word).problem != ResultCodeProblem::Character; }

// How far a reading got: a set found beats no set, and so on.
int Progress(const ResultCodeReading& reading) {
  switch (reading.problem) {
    case ResultCodeProblem::None: return 6;
    case ResultCodeProblem::Content: return 5;
    case ResultCodeProblem::Mistyped: return 4;
    case ResultCodeProblem::Length: return 3;
    case ResultCodeProblem::NoSet: return 2;
    case ResultCodeProblem::Character: return 1;
    case ResultCodeProblem::Empty: return 0;
  }
  return 0;
}

struct LineReading {
  std::string name;
  ResultCodeReading code;
  bool hasCode = false;
};

// The code ends the line: of the runs of words at its end that could be a
// code (one pasted in groups with blanks between them too), the one that
// reads, or else the one that got furthest, for its problem. A last word
// with a digit or a dash is taken for a code, for its wrong character.
LineReading ReadLine(std::string_view line) {
  const std::vector<std::string_view> words = WordsOf(line);
  std::size_t first = words.size();
  while (first > 0 && CodeLike(words[first - 1])) --first;
  if (first == words.size() && !words.empty() &&
      words.back().find_first_of("-0123456789") != std::string_view::npos) {
    first = words.size() - 1;
  }
  LineReading reading;
  std::string_view codeText;
  for (std::size_t start = first; start < words.size(); ++start) {
    const std::size_t from = static_cast<std::size_t>(words[start].data() - line.data());
    ResultCodeReading code = ReadResultCode(line.substr(from));
    if (!reading.hasCode || Progress(code) > Progress(reading.code)) {
      reading.code = std::move(code);
      reading.hasCode = true;
      reading.name = std::string(Trimmed(line.substr(0, from)));
      codeText = line.substr(from);
    }
    if (reading.code.result) break;
  }
  // Words of the code's letters that are no code in length and hold neither
  // a digit nor a dash are words ("Поздрави, Ана"): almost any six of those
  // letters make a set's code.
  const bool words_only = codeText.find_first_of("-0123456789") == std::string_view::npos;
  if (reading.hasCode && words_only &&
      (reading.code.problem == ResultCodeProblem::NoSet ||
       reading.code.problem == ResultCodeProblem::Length)) {
    reading.hasCode = false;
  }
  if (!reading.hasCode) reading.name = std::string(Trimmed(line));
  // A name ends where the code begins: "Иван, 9SVZUC-…" or "Иван: …".
  while (!reading.name.empty() &&
         (reading.name.back() == ',' || reading.name.back() == ';' || reading.name.back() == ':')) {
    reading.name.pop_back();
  }
  reading.name = std::string(Trimmed(reading.name));
  return reading;
}

// A name for telling names apart: Latin and Cyrillic letters in lower case
// (UTF-8: А–Я are D0 90–D0 AF, а–п D0 B0–D0 BF, р–я D1 80–D1 8F).
std::string FoldedName(std::string_view name) {
  std::string out;
  for (std::size_t at = 0; at < name.size(); ++at) {
    const auto c = static_cast<unsigned char>(name[at]);
    if (c == 0xD0 && at + 1 < name.size()) {
      const auto next = static_cast<unsigned char>(name[at + 1]);
      if (next >= 0x90 && next <= 0x9F) {
        out += static_cast<char>(0xD0);
        out += static_cast<char>(next + 0x20);
        ++at;
        continue;
      }
      if (next >= 0xA0 && next <= 0xAF) {
        out += static_cast<char>(0xD1);
        out += static_cast<char>(next - 0x20);
        ++at;
        continue;
      }
    }
    out += static_cast<char>(std::tolower(c));
  }
  return out;
}

}  // namespace

std::string SharePercent(int part, int whole) {
  if (whole == 0) return "–";
  return std::to_string((part * 100 + whole / 2) / whole) + " %";
}

std::string TaskResultWords(const TaskResult& result) {
  switch (result.outcome) {
    case TaskOutcome::Alone: return "сам";
    case TaskOutcome::Mistakes:
      return result.firstMistake == MistakeTag::None
                 ? "след грешка"
                 : "след грешка: " + std::string(MistakeTagWords(result.firstMistake));
    case TaskOutcome::Hints: return "с подсказка";
    case TaskOutcome::None: return "нерешена";
  }
  return "";
}

namespace {

std::string CsvCell(std::string_view text) {
  std::string cell = "\"";
  for (const char c : text) {
    if (c == '"') cell += '"';
    cell += c;
  }
  return cell + "\"";
}

std::string OneLine(std::string_view text) {
  std::string out(text);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return out;
}

// The row of each of a set's tasks. Making the tasks takes exact arithmetic,
// and a teacher's box asks again at every change: the last set's rows are
// kept.
const std::vector<int>& RowsOf(const PracticeSet& set) {
  static std::string code;
  static std::vector<int> rows;
  if (PracticeCodeOf(set) != code) {
    rows.clear();
    for (const PracticeTask& task : TasksOf(set)) rows.push_back(task.listIndex);
    code = PracticeCodeOf(set);
  }
  return rows;
}

void Summarise(ClassResults& results) {
  const int count = results.set.options.count;
  results.tasks.assign(static_cast<std::size_t>(count), {});
  const std::vector<int>& rows = RowsOf(results.set);
  std::map<int, PairSummary> pairs;
  for (const int row : rows) pairs[row].listIndex = row;
  for (int n = 0; n < count; ++n) {
    TaskSummary& summary = results.tasks[static_cast<std::size_t>(n)];
    PairSummary& pair = pairs[rows[static_cast<std::size_t>(n)]];
    std::map<MistakeTag, int> mistakes;
    for (const StudentResult& student : results.students) {
      const TaskResult& result = student.tasks[static_cast<std::size_t>(n)];
      switch (result.outcome) {
        case TaskOutcome::Alone: ++summary.alone, ++pair.alone; break;
        case TaskOutcome::Mistakes: ++summary.mistakes, ++pair.helped; break;
        case TaskOutcome::Hints: ++summary.hints, ++pair.helped; break;
        case TaskOutcome::None: ++summary.none, ++pair.none; break;
      }
      if (result.firstMistake != MistakeTag::None) ++mistakes[result.firstMistake];
    }
    for (const auto& [tag, students] : mistakes) summary.commonest.push_back({tag, students});
    // The commonest first; among as common, in the catalogue's order.
    std::sort(summary.commonest.begin(), summary.commonest.end(),
              [](const MistakeCount& x, const MistakeCount& y) {
                return x.students != y.students ? x.students > y.students : x.tag < y.tag;
              });
    if (summary.commonest.size() > kCommonest) summary.commonest.resize(kCommonest);
  }
  for (const auto& [row, pair] : pairs) results.pairs.push_back(pair);
}

}  // namespace

ClassResults ReadClassResults(const PracticeSet& set, std::string_view pasted) {
  ClassResults results;
  results.set = set;
  const std::string setCode = PracticeCodeOf(set);
  std::map<std::string, int> names;  // a name folded, and where it came first
  int number = 0;
  for (std::size_t at = 0; at <= pasted.size();) {
    std::size_t end = pasted.find('\n', at);
    if (end == std::string_view::npos) end = pasted.size();
    const std::string_view line = Trimmed(pasted.substr(at, end - at));
    at = end + 1;
    ++number;
    if (line.empty()) continue;
    const LineReading reading = ReadLine(line);
    if (!reading.hasCode) {
      results.notes.push_back(
          {number, "Ред " + std::to_string(number) + " (" + Quoted(line) + ") няма код."});
      continue;
    }
    if (!reading.code.result) {
      results.notes.push_back({number, "Ред " + std::to_string(number) + " (" + Quoted(line) +
                                           "): " + ResultCodeProblemText(reading.code)});
      continue;
    }
    const std::string code = PracticeCodeOf(reading.code.result->set);
    if (code != setCode) {
      std::string note =
          "Ред " + std::to_string(number) + " (" + Quoted(line) + ") е резултат от друг набор, ";
      note.append(code).append(", не от ").append(setCode).append(".");
      results.notes.push_back({number, std::move(note)});
      continue;
    }
    if (!reading.name.empty()) {
      const auto [seen, fresh] = names.emplace(FoldedName(reading.name), number);
      if (!fresh) {
        results.notes.push_back({number,
                                 "Ред " + std::to_string(number) + ": името „" + reading.name +
                                     "“ е и на ред " + std::to_string(seen->second) +
                                     "; и двата реда са в таблицата.",
                                 true});
      }
    }
    results.students.push_back({number, reading.name, reading.code.result->tasks});
  }
  Summarise(results);
  return results;
}

std::string ClassResultsTable(const ClassResults& results) {
  std::string table = "име";
  for (int n = 1; n <= results.set.options.count; ++n) table += "\t" + std::to_string(n);
  table += "\n";
  for (const StudentResult& student : results.students) {
    table += OneLine(student.name);
    for (const TaskResult& task : student.tasks) table += "\t" + TaskResultItem(task);
    table += "\n";
  }
  return table;
}

std::string ClassResultsCsv(const ClassResults& results) {
  std::string csv = "\xEF\xBB\xBF" + CsvCell("Име");
  for (int n = 1; n <= results.set.options.count; ++n) csv += "," + CsvCell("Задача " + std::to_string(n));
  csv += "\r\n";
  for (const StudentResult& student : results.students) {
    csv += CsvCell(student.name);
    for (const TaskResult& task : student.tasks) csv += "," + CsvCell(TaskResultWords(task));
    csv += "\r\n";
  }
  csv += CsvCell("Решили сами");
  const int students = static_cast<int>(results.students.size());
  for (const TaskSummary& task : results.tasks) csv += "," + CsvCell(SharePercent(task.alone, students));
  csv += "\r\n";
  return csv;
}

}  // namespace rt
