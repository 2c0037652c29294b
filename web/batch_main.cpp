// The batch answers of right-triangle-solve --batch, from the WebAssembly
// build of the core, for node: the same request lines in, and the answers
// out, so that both builds can be compared byte for byte.
// Usage: node rt_batch.js [DECIMAL GROUP GROUPING_FROM]   (default: POSIX)

#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/regional_settings.h"
#include "tools/batch_request.h"

int main(int argc, char** argv) {
  rt::RegionalSettings settings = rt::RegionalSettings::Posix();
  if (argc == 4) {
    settings.decimalSeparator = argv[1];
    settings.groupSeparator = argv[2];
    settings.groupingMinimumDigits = std::atoi(argv[3]);
  } else if (argc != 1) {
    std::fputs("usage: rt_batch [DECIMAL GROUP GROUPING_FROM]\n", stderr);
    return 64;
  }
  std::string line;
  std::string answers;
  char buffer[1 << 16];
  for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
    for (std::size_t i = 0; i < count; ++i) {
      if (buffer[i] != '\n') {
        line += buffer[i];
        continue;
      }
      rt::AnswerBatchRequest(line, settings, answers);
      line.clear();
    }
    std::fwrite(answers.data(), 1, answers.size(), stdout);
    answers.clear();
  }
  // As the desktop tool does, a last line without its line end is answered too.
  if (!line.empty()) rt::AnswerBatchRequest(line, settings, answers);
  std::fwrite(answers.data(), 1, answers.size(), stdout);
  return 0;
}
