// The batch answers of right-triangle-solve --batch, from the WebAssembly
// build of the core, for node: the same streaming code and the same request
// lines in, so that both builds can be compared byte for byte.
// Usage: node rt_batch.js [DECIMAL GROUP GROUPING_FROM]   (default: POSIX)

#include <cstdio>
#include <cstdlib>

#include "batch/batch_request.h"
#include "runtime/regional_settings.h"

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
  return rt::AnswerBatchStream(settings) ? 0 : 74;  // EX_IOERR
}
