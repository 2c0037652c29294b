// The practice sheets of right-triangle-solve --practice, from the
// WebAssembly build of the core, for node: one sheet for each code read
// from standard input, one code a line, each sheet followed by a line that
// holds a form feed, so that both builds can be compared byte for byte.
// A line "check<TAB>CODE<TAB>N<TAB>A1<TAB>A2<TAB>A3<TAB>A4[<TAB>no-triangle]"
// is answered as right-triangle-solve --check answers it.
// Usage: node rt_practice_node.js [DECIMAL GROUP GROUPING_FROM]   (default: POSIX)

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "practice/plain_check.h"
#include "practice/practice_code.h"
#include "practice/practice_text.h"
#include "web/node_arguments.h"

int main(int argc, char** argv) {
  const auto settings = rt::web::SettingsFromArguments(argc, argv, "rt_practice_node");
  if (!settings) return rt::web::kExitUsage;
  std::string code;
  while (std::getline(std::cin, code)) {
    if (code.starts_with("check\t")) {
      std::vector<std::string> fields;
      std::size_t from = 0;
      for (std::size_t tab = code.find('\t'); tab != std::string::npos; tab = code.find('\t', from)) {
        fields.push_back(code.substr(from, tab - from));
        from = tab + 1;
      }
      fields.push_back(code.substr(from));
      const auto set = fields.size() >= 7 ? rt::PracticeSetOfCode(fields[1]) : std::nullopt;
      const std::string checked =
          set ? rt::PlainTaskCheck(*set, std::atoi(fields[2].c_str()),
                                   {fields[3], fields[4], fields[5], fields[6]},
                                   fields.size() == 8 && fields[7] == "no-triangle", *settings)
              : std::string();
      std::printf("%s\f\n", checked.c_str());
      continue;
    }
    const auto set = rt::PracticeSetOfCode(code);
    if (!set) {
      std::printf("no code: %s\n\f\n", code.c_str());
      continue;
    }
    std::fputs(rt::PlainPracticeSheet(*set, *settings).c_str(), stdout);
    std::fputs("\f\n", stdout);
  }
  return 0;
}
