#include "tools/class_commands.h"

#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

#include "practice/class_results.h"
#include "practice/practice_code.h"
#include "practice/result_code.h"

namespace rt::tool {
namespace {

constexpr int kExitInvalidInput = 1;
constexpr int kExitUsage = 64;    // EX_USAGE
constexpr int kExitIoError = 74;  // EX_IOERR

std::optional<PracticeSet> SetOrSay(std::string_view code) {
  const auto set = PracticeSetOfCode(code);
  if (!set) std::fprintf(stderr, "„%s“ не е код на упражнение.\n", std::string(code).c_str());
  return set;
}

}  // namespace

int RunResultCode(const std::vector<std::string_view>& args) {
  if (args.size() != 2) return kExitUsage;
  const auto set = SetOrSay(args[0]);
  if (!set) return kExitInvalidInput;
  PracticeResult result{*set, {}};
  for (std::size_t at = 0; at <= args[1].size();) {
    std::size_t end = args[1].find(',', at);
    if (end == std::string_view::npos) end = args[1].size();
    const std::string_view item = args[1].substr(at, end - at);
    const auto task = TaskResultOfItem(item);
    if (!task) {
      std::fprintf(
          stderr,
          "„%s“ не е резултат на задача: alone, mistakes, hints или none, с :ГРЕШКА след mistakes, hints "
          "или none.\n",
          std::string(item).c_str());
      return kExitUsage;
    }
    result.tasks.push_back(*task);
    at = end + 1;
  }
  if (result.tasks.size() != static_cast<std::size_t>(set->options.count)) {
    std::fprintf(stderr, "Наборът %s има %d задачи, а резултатите са %zu.\n", std::string(args[0]).c_str(),
                 set->options.count, result.tasks.size());
    return kExitUsage;
  }
  std::printf("%s\n", ResultCodeOf(result).c_str());
  return 0;
}

int RunResults(const std::vector<std::string_view>& args) {
  if (args.size() != 1) return kExitUsage;
  const auto set = SetOrSay(args[0]);
  if (!set) return kExitInvalidInput;
  std::string pasted;
  char buffer[65536];
  for (std::size_t read = 0; (read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
    pasted.append(buffer, read);
  if (std::ferror(stdin)) return kExitIoError;
  const ClassResults results = ReadClassResults(*set, pasted);
  for (const LineNote& note : results.notes) std::fprintf(stderr, "%s\n", note.text.c_str());
  std::fputs(ClassResultsTable(results).c_str(), stdout);
  return 0;
}

}  // namespace rt::tool
