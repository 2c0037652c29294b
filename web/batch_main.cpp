// The batch answers of right-triangle-solve --batch, from the WebAssembly
// build of the core, for node: the same streaming code and the same request
// lines in, so that both builds can be compared byte for byte.
// Usage: node rt_batch.js [DECIMAL GROUP GROUPING_FROM]   (default: POSIX)

#include "batch/batch_request.h"
#include "web/node_arguments.h"

int main(int argc, char** argv) {
  const auto settings = rt::web::SettingsFromArguments(argc, argv, "rt_batch");
  if (!settings) return rt::web::kExitUsage;
  return rt::AnswerBatchStream(*settings) ? 0 : 74;  // EX_IOERR
}
