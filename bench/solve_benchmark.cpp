// One full solve per iteration (read the two texts, compute, write six
// texts) for each of the fifteen pairs, given the 3-4-5 triangle.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "model/given_pair.h"
#include "model/triangle_solver.h"

namespace {

constexpr std::array<const char*, rt::kQuantityCount> k345 = {"3", "4", "5", "2.4", "1.8", "3.2"};

void BM_Solve(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  const rt::GivenPair pair = *rt::PairOfListIndex(k);
  rt::SolverInput input;
  input.listIndex = k;
  for (rt::Quantity q : {pair.first, pair.second}) {
    const auto i = static_cast<std::size_t>(q);
    input.checks[i] = 1;
    input.texts[i] = k345[i];
  }
  rt::RegionalSettings settings;
  settings.decimalSeparator = ",";
  settings.groupSeparator = "\u00A0";
  settings.groupingMinimumDigits = 5;
  for (auto _ : state) {
    rt::SolveOutcome outcome = rt::SolveTriangle(input, settings);
    benchmark::DoNotOptimize(outcome);
  }
  state.SetLabel(std::string(pair.listText));
}
BENCHMARK(BM_Solve)->DenseRange(0, rt::kGivenPairCount - 1);

}  // namespace

BENCHMARK_MAIN();
