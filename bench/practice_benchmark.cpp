// The practice core's costs that a student waits for: making a set of
// tasks (when a page opens a code) and checking one task's four answers
// (on „Провери“).

#include <benchmark/benchmark.h>

#include "practice/answer_check.h"
#include "practice/practice_code.h"
#include "practice/practice_tasks.h"

namespace {

void BM_MakeSet(benchmark::State& state) {
  rt::PracticeSet set;
  set.options.count = static_cast<int>(state.range(0));
  set.options.easy = state.range(1) != 0;
  std::uint32_t variant = 0;
  for (auto _ : state) {
    set.variant = variant++ % rt::PracticeSet::kVariants;
    benchmark::DoNotOptimize(rt::TasksOf(set));
  }
}
BENCHMARK(BM_MakeSet)->Args({6, 0})->Args({16, 0})->Args({16, 1});

void BM_CheckTask(benchmark::State& state) {
  const rt::PracticeSet set = *rt::PracticeSetOfCode("9SVZUC");
  const rt::PracticeTask task = rt::TasksOf(set)[0];
  rt::RegionalSettings settings;
  settings.decimalSeparator = ",";
  const std::array<std::string, rt::kSoughtCount> answers = {"12,6", "12,1", "3cm", "3,528"};
  for (auto _ : state) benchmark::DoNotOptimize(rt::CheckTask(task, answers, false, settings));
}
BENCHMARK(BM_CheckTask);

// The slowest kind of „Провери“: exact forms and wrong answers, each looked
// up in the catalogue of mistakes and in the rounded intermediates.
void BM_CheckTaskWithFormsAndMistakes(benchmark::State& state) {
  const rt::PracticeSet set = *rt::PracticeSetOfCode("9SVZUC");
  const rt::PracticeTask task = rt::TasksOf(set)[1];  // c,hc 26 12
  rt::RegionalSettings settings;
  settings.decimalSeparator = ",";
  const std::array<std::string, rt::kSoughtCount> answers = {"4√13", "√468", "17,3", "(√61 − 3)/2"};
  for (auto _ : state) benchmark::DoNotOptimize(rt::CheckTask(task, answers, false, settings));
}
BENCHMARK(BM_CheckTaskWithFormsAndMistakes);

}  // namespace

BENCHMARK_MAIN();
