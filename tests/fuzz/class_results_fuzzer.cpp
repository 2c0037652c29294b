// Any pasted text, as a teacher's box takes it: every line that is not
// blank is a row or a note, every row holds a result of the set that reads
// back from its own code, and the table has a line a row.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "practice/class_results.h"
#include "practice/practice_code.h"
#include "tests/fuzz/fuzz_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the set: the pasted codes' own (9SVZUC, 3 tasks) or
  // a long one, all of whose tasks have a triangle.
  if (size < 1) return 0;
  const rt::PracticeSet set = *rt::PracticeSetOfCode(data[0] % 2 == 0 ? "9SVZUC" : "9SVZUC3");
  const std::string_view pasted(reinterpret_cast<const char*>(data + 1), size - 1);
  const rt::ClassResults results = rt::ReadClassResults(set, pasted);

  std::size_t lines = 0;
  for (std::size_t at = 0; at <= pasted.size();) {
    std::size_t end = pasted.find('\n', at);
    if (end == std::string_view::npos) end = pasted.size();
    const std::string_view line = pasted.substr(at, end - at);
    if (line.find_first_not_of(" \t\r\v\f") != std::string_view::npos) ++lines;
    at = end + 1;
  }
  const auto twice = static_cast<std::size_t>(std::count_if(
      results.notes.begin(), results.notes.end(), [](const rt::LineNote& note) { return note.kept; }));
  RT_FUZZ_CHECK(results.students.size() + results.notes.size() - twice == lines);
  for (const rt::StudentResult& student : results.students) {
    RT_FUZZ_CHECK(student.tasks.size() == static_cast<std::size_t>(set.options.count));
    const rt::ResultCodeReading back = rt::ReadResultCode(rt::ResultCodeOf({set, student.tasks}));
    RT_FUZZ_CHECK(back.result && back.result->tasks == student.tasks);
  }
  const std::string table = rt::ClassResultsTable(results);
  RT_FUZZ_CHECK(static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')) ==
                results.students.size() + 1);
  RT_FUZZ_CHECK(results.tasks.size() == static_cast<std::size_t>(set.options.count));
  return 0;
}
