// Start-up time to the first frame and peak resident memory of right-triangle
// against a bare Qt Widgets program with the same controls and no logic.
// The two are started in turn, RUNS times each (default 15), under the X
// display of this process; the medians and their ratios are printed.
//
//   xvfb-run -a build/bench/bench/startup_benchmark
//       build/bench/ui/right-triangle build/bench/bench/bare_form [RUNS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "bench/first_frame.h"

namespace {

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) try {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_benchmark PROGRAM BARE_PROGRAM [RUNS]\n");
    return 64;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
  unsetenv("QT_QPA_PLATFORM");  // a real window on the X display
  const std::vector<std::string> program = {argv[1]};
  const std::vector<std::string> bare = {argv[2]};

  // One start of each warms the file and font caches.
  rt::bench::MeasureStartup(program);
  rt::bench::MeasureStartup(bare);

  std::vector<double> program_ms;
  std::vector<double> bare_ms;
  std::vector<long> program_kib;
  std::vector<long> bare_kib;
  for (int run = 0; run < runs; ++run) {
    const auto a = rt::bench::MeasureStartup(program);
    const auto b = rt::bench::MeasureStartup(bare);
    program_ms.push_back(a.millisecondsToFirstFrame);
    program_kib.push_back(a.peakResidentKib);
    bare_ms.push_back(b.millisecondsToFirstFrame);
    bare_kib.push_back(b.peakResidentKib);
  }
  const double t_program = Median(program_ms);
  const double t_bare = Median(bare_ms);
  const long m_program = Median(program_kib);
  const long m_bare = Median(bare_kib);
  std::printf("first frame, median of %d: right-triangle %.1f ms, bare %.1f ms, ratio %.3f\n", runs,
              t_program, t_bare, t_program / t_bare);
  std::printf("peak resident, median of %d: right-triangle %ld KiB, bare %ld KiB, ratio %.3f\n", runs,
              m_program, m_bare, static_cast<double>(m_program) / static_cast<double>(m_bare));
  return 0;
} catch (const std::exception& error) {
  std::fprintf(stderr, "startup_benchmark: %s\n", error.what());
  return 1;
}
