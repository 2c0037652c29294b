// The practice sheets of right-triangle-solve --practice, from the
// WebAssembly build of the core, for node: one sheet for each code read
// from standard input, one code a line, each sheet followed by a line that
// holds a form feed, so that both builds can be compared byte for byte.
// Usage: node rt_practice_node.js [DECIMAL GROUP GROUPING_FROM]   (default: POSIX)

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "practice/practice_code.h"
#include "practice/practice_text.h"
#include "runtime/regional_settings.h"

int main(int argc, char** argv) {
  rt::RegionalSettings settings = rt::RegionalSettings::Posix();
  if (argc == 4) {
    settings.decimalSeparator = argv[1];
    settings.groupSeparator = argv[2];
    settings.groupingMinimumDigits = std::atoi(argv[3]);
  } else if (argc != 1) {
    std::fputs("usage: rt_practice_node [DECIMAL GROUP GROUPING_FROM]\n", stderr);
    return 64;
  }
  std::string code;
  while (std::getline(std::cin, code)) {
    const auto set = rt::PracticeSetOfCode(code);
    if (!set) {
      std::printf("no code: %s\n\f\n", code.c_str());
      continue;
    }
    std::fputs(rt::PlainPracticeSheet(*set, settings).c_str(), stdout);
    std::fputs("\f\n", stdout);
  }
  return 0;
}
