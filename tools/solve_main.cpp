// right-triangle-solve: the program's solver on the command line, for
// teachers preparing worksheets and for checking the solver from outside.

#include <array>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_request.h"
#include "messages/failure_messages.h"
#include "messages/reading_notes.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"
#include "platform/system_regional_settings.h"
#include "practice/plain_check.h"
#include "practice/practice_code.h"
#include "practice/practice_text.h"
#include "runtime/number_formatting.h"
#include "solution/exact_form.h"
#include "solution/worked_solution.h"
#include "tools/class_commands.h"

namespace {

constexpr int kExitInvalidInput = 1;
constexpr int kExitComputationFailed = 2;
constexpr int kExitUsage = 64;    // EX_USAGE
constexpr int kExitIoError = 74;  // EX_IOERR

constexpr const char* kUsage =
    "Употреба:\n"
    "  right-triangle-solve ДВОЙКА СТОЙНОСТ1 СТОЙНОСТ2\n"
    "  right-triangle-solve --steps ДВОЙКА СТОЙНОСТ1 СТОЙНОСТ2\n"
    "  right-triangle-solve --exact ДВОЙКА СТОЙНОСТ1 СТОЙНОСТ2\n"
    "  right-triangle-solve --batch\n"
    "  right-triangle-solve --practice КОД|new [--count N] [--pairs ДВОЙКИ] [--easy] [--every-triangle]\n"
    "  right-triangle-solve --check КОД N О1 О2 О3 О4 [--no-triangle]\n"
    "  right-triangle-solve --result-code КОД РЕЗУЛТАТИ\n"
    "  right-triangle-solve --results КОД < ФАЙЛ\n"
    "\n"
    "ДВОЙКА е двойката дадени дължини, както в списъка на програмата (a,b  a,c  a,hc  a,a1\n"
    "a,b1  b,c  b,hc  b,a1  b,b1  c,hc  c,a1  c,b1  hc,a1  hc,b1  a1,b1), или номерът ѝ\n"
    "в списъка от 0 до 14. СТОЙНОСТ1 и СТОЙНОСТ2 са дадените дължини, както ученик ги пише\n"
    "в полетата. Отпечатва шест реда „ОЗНАЧЕНИЕ<TAB>ДЪЛЖИНА“: a, b, c, hc, a1, b1.\n"
    "\n"
    "С --steps след тях отпечатва и решението стъпка по стъпка: даденото, търсеното и за\n"
    "всяка дължина зависимостта, формулата, формулата с числата и резултата.\n"
    "\n"
    "С --exact всеки ред е „ОЗНАЧЕНИЕ<TAB>ТОЧНО<TAB>ДЪЛЖИНА“: точната стойност, както се пише\n"
    "в училище (5√2, 144/13, 2,4), или нищо, където кратък точен запис няма.\n"
    "\n"
    "С --batch чете от стандартния вход по една заявка на ред, „ДВОЙКА<TAB>СТОЙНОСТ1<TAB>\n"
    "СТОЙНОСТ2“, и отговаря с един ред за всяка: шестте дължини, разделени с TAB; или\n"
    "unchanged, error:invalid, error:divzero, error:overflow, error:request.\n"
    "\n"
    "С --practice отпечатва упражнение: номерирани задачи и след тях отговорите с шестте\n"
    "дължини, както ги пише „Изчисли“. КОДЪТ е от шест или седем знака (2–9 и A–Z без I и O)\n"
    "и дава същите задачи като страницата на програмата; new дава нов код и го отпечатва\n"
    "първо. --count N (1 до 16, 6 без него), --pairs само тези двойки (a,c,c,hc), --easy (цели\n"
    "дадени числа) и --every-triangle (без задачи без триъгълник) променят набора и с това\n"
    "кода му.\n"
    "\n"
    "С --check проверява отговорите О1–О4 на задача N (от 1; след последната идват\n"
    "задачите, които се връщат: броят + 1 е тази от вида на задача 1) от набора КОД, в реда на\n"
    "търсените дължини (- за празно поле; --no-triangle: „няма такъв триъгълник“). За всяко\n"
    "поле отпечатва „ОЗНАЧЕНИЕ<TAB>ОЦЕНКА<TAB>ГРЕШКА<TAB>ИЗРЕЧЕНИЕ“, после обобщението.\n"
    "ОЦЕНКА е right, wrong, not-number, not-positive, too-many-decimals или empty; ГРЕШКА е\n"
    "видът на грешката (swapped-projection, other-root, …) или -.\n"
    "\n"
    "С --result-code отпечатва кода за учителя, който страницата дава на ученик, решавал\n"
    "набора КОД: РЕЗУЛТАТИ е по един на задача, разделени със запетаи, alone, mistakes, hints\n"
    "или none, и след mistakes, hints или none може :ГРЕШКА (първата грешка).\n"
    "\n"
    "С --results чете от стандартния вход по ред на ученик, „ИМЕ КОД“ (името може да липсва),\n"
    "и отпечатва таблица, разделена с TAB: заглавен ред, после по ред на ученик, името и\n"
    "резултатите от задачите, както ги пише --result-code. Ред без код, с грешно преписан\n"
    "код или с код от друг набор е назован на стандартния изход за грешки и пропуснат.\n"
    "\n"
    "Изход: 0 при успех, 1 ако дадена стойност не е положително число, 2 ако\n"
    "триъгълникът не може да се изчисли, 64 при грешна употреба.\n";

int Usage(std::FILE* stream, int exit_code) {
  std::fputs(kUsage, stream);
  return exit_code;
}

enum class Mode { Lengths, Steps, Exact };

// The exact forms of the lengths, from the given values as they are read.
std::array<std::string, rt::kQuantityCount> ExactFormsOf(const rt::SolveDetail& detail,
                                                         const rt::RegionalSettings& settings) {
  if (detail.given.size() != 2) return {};
  std::array<rt::ExactDecimal, 2> given;
  for (std::size_t i = 0; i < 2; ++i) {
    const auto value = rt::ExactDecimal::Parse(rt::ShortestDecimal(detail.given[i].reading.value));
    if (!value) return {};
    given[i] = *value;
  }
  return rt::ExactForms(detail.listIndex, given[0], given[1], settings);
}

int RunOnce(int list_index, std::string_view value1, std::string_view value2,
            const rt::RegionalSettings& settings, Mode mode) {
  const bool steps = mode == Mode::Steps;
  // How each given value was read, where the lengths alone would hide it
  // ("4,8" read as 4 where the decimal sign is "."): on standard error, so
  // that the output and the exit code stay what a script expects.
  const rt::GivenPair& pair = rt::kGivenPairs[static_cast<std::size_t>(list_index)];
  for (const auto& [q, text] : {std::pair{pair.first, value1}, std::pair{pair.second, value2}}) {
    const std::string note = rt::ReadingNote(q, text, settings);
    if (!note.empty()) std::fprintf(stderr, "%s\n", note.c_str());
  }
  const rt::SolverInput input = rt::InputForTypedPair(list_index, value1, value2);
  rt::SolveDetail detail;
  const rt::SolveOutcome outcome = rt::SolveTriangle(input, settings, detail);
  const std::string solution =
      steps ? "Решение\n" + rt::PlainSolution(rt::WorkedSolutionOf(detail, outcome, settings)) : "";
  switch (outcome.status) {
    case rt::SolveStatus::Unchanged:
      std::fputs(solution.c_str(), stdout);
      std::fprintf(stderr, "%s\n", rt::DescribeInvalidInput(settings).c_str());
      return kExitInvalidInput;
    case rt::SolveStatus::Failed: {
      std::fputs(solution.c_str(), stdout);
      const rt::FailureMessage message = rt::DescribeFailure(list_index, outcome.error, outcome.fault);
      std::fprintf(stderr, "%s\n%s\n", message.explanation.c_str(), message.advice.c_str());
      return kExitComputationFailed;
    }
    case rt::SolveStatus::Written: break;
  }
  const auto exact = mode == Mode::Exact ? ExactFormsOf(detail, settings) : std::array<std::string, 6>{};
  for (std::size_t i = 0; i < outcome.texts.size(); ++i) {
    const std::string symbol(rt::kQuantitySymbols[i]);
    if (mode == Mode::Exact) {
      std::printf("%s\t%s\t%s\n", symbol.c_str(), exact[i].c_str(), outcome.texts[i].c_str());
    } else {
      std::printf("%s\t%s\n", symbol.c_str(), outcome.texts[i].c_str());
    }
  }
  if (steps) std::printf("\n%s", solution.c_str());
  return 0;
}

// The --practice command: the set of a code (or a new one), changed by the
// options that follow it, printed with its answer key. A code that is no
// code gets a message and a fresh set.
int RunPractice(const std::vector<std::string_view>& args) {
  if (args.empty()) return Usage(stderr, kExitUsage);
  std::random_device device;
  rt::PracticeSet set;
  set.variant = device() % rt::PracticeSet::kVariants;
  const bool fresh = args[0] == "new";
  bool malformed = false;
  if (!fresh) {
    if (const auto decoded = rt::PracticeSetOfCode(args[0])) {
      set = *decoded;
    } else {
      malformed = true;
    }
  }
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--easy") {
      set.options.easy = true;
    } else if (args[i] == "--every-triangle") {
      set.options.noTriangleTasks = false;
    } else if (args[i] == "--count" && i + 1 < args.size()) {
      const std::string_view n = args[++i];
      int count = 0;
      const auto [end, error] = std::from_chars(n.data(), n.data() + n.size(), count);
      if (error != std::errc() || end != n.data() + n.size() || count < 1 ||
          count > rt::PracticeOptions::kMaxCount) {
        std::fprintf(stderr, "Броят задачи трябва да е от 1 до 16: %s\n\n", std::string(n).c_str());
        return Usage(stderr, kExitUsage);
      }
      set.options.count = count;
    } else if (args[i] == "--pairs" && i + 1 < args.size()) {
      const auto mask = rt::PairMaskOfList(args[++i]);
      if (!mask) {
        std::fprintf(stderr, "Непознати двойки дадени дължини: %s\n\n", std::string(args[i]).c_str());
        return Usage(stderr, kExitUsage);
      }
      set.options.pairMask = *mask;
    } else {
      return Usage(stderr, kExitUsage);
    }
  }
  if (malformed) {
    std::fprintf(
        stderr,
        "„%s“ не е код на упражнение: кодът е от шест или седем знака, цифрите 2–9 и буквите A–Z без I и O. "
        "Ето нов набор задачи.\n",
        std::string(args[0]).c_str());
  }
  const std::string code = rt::PracticeCodeOf(set);
  if (fresh || malformed) std::printf("Нов код: %s\n\n", code.c_str());
  std::fputs(rt::PlainPracticeSheet(set, rt::SystemRegionalSettings()).c_str(), stdout);
  return malformed ? kExitInvalidInput : 0;
}

// The --check command: one task's answers marked as the page marks them.
int RunCheck(const std::vector<std::string_view>& args) {
  const bool no_triangle = args.size() == 7 && args[6] == "--no-triangle";
  if (args.size() != 6 && !no_triangle) return Usage(stderr, kExitUsage);
  const auto set = rt::PracticeSetOfCode(args[0]);
  if (!set) {
    std::fprintf(stderr, "„%s“ не е код на упражнение.\n", std::string(args[0]).c_str());
    return kExitInvalidInput;
  }
  int number = 0;
  const auto [end, error] = std::from_chars(args[1].data(), args[1].data() + args[1].size(), number);
  std::array<std::string, rt::kSoughtCount> answers;
  for (std::size_t i = 0; i < answers.size(); ++i) answers[i] = std::string(args[2 + i]);
  const std::string checked =
      error == std::errc() && end == args[1].data() + args[1].size()
          ? rt::PlainTaskCheck(*set, number, answers, no_triangle, rt::SystemRegionalSettings())
          : std::string();
  if (checked.empty()) {
    std::fprintf(stderr, "Наборът %s няма задача %s: задачите са от 1 до %d.\n", std::string(args[0]).c_str(),
                 std::string(args[1]).c_str(), set->options.count);
    return kExitInvalidInput;
  }
  std::fputs(checked.c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return Usage(stdout, 0);
  if (args.size() == 1 && args[0] == "--batch") {
    return rt::AnswerBatchStream(rt::SystemRegionalSettings()) ? 0 : kExitIoError;
  }
  if (!args.empty() && args[0] == "--practice") return RunPractice({args.begin() + 1, args.end()});
  if (!args.empty() && args[0] == "--check") return RunCheck({args.begin() + 1, args.end()});
  if (!args.empty() && (args[0] == "--result-code" || args[0] == "--results")) {
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    const int exit_code = args[0] == "--results" ? rt::tool::RunResults(rest) : rt::tool::RunResultCode(rest);
    return exit_code == kExitUsage ? Usage(stderr, kExitUsage) : exit_code;
  }
  Mode mode = Mode::Lengths;
  if (!args.empty() && args[0] == "--steps") mode = Mode::Steps;
  if (!args.empty() && args[0] == "--exact") mode = Mode::Exact;
  const std::size_t first = mode == Mode::Lengths ? 0 : 1;
  if (args.size() != first + 3) return Usage(stderr, kExitUsage);
  const int list_index = rt::ParsePairArgument(args[first]);
  if (list_index < 0) {
    std::fprintf(stderr, "Непозната двойка дадени дължини: %s\n\n", std::string(args[first]).c_str());
    return Usage(stderr, kExitUsage);
  }
  return RunOnce(list_index, args[first + 1], args[first + 2], rt::SystemRegionalSettings(), mode);
}
