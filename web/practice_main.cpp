// The practice sheets of right-triangle-solve --practice, from the
// WebAssembly build of the core, for node: one sheet for each code read
// from standard input, one code a line, each sheet followed by a line that
// holds a form feed, so that both builds can be compared byte for byte.
// Usage: node rt_practice_node.js [DECIMAL GROUP GROUPING_FROM]   (default: POSIX)

#include <cstdio>
#include <iostream>
#include <string>

#include "practice/practice_code.h"
#include "practice/practice_text.h"
#include "web/node_arguments.h"

int main(int argc, char** argv) {
  const auto settings = rt::web::SettingsFromArguments(argc, argv, "rt_practice_node");
  if (!settings) return rt::web::kExitUsage;
  std::string code;
  while (std::getline(std::cin, code)) {
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
