// Throughput of right-triangle-solve --batch: generated requests across all
// fifteen pairs, from random right triangles, streamed from a file to
// /dev/null. Prints the median rate of RUNS runs (default 10) and the peak
// resident memory for one million requests against a tenth of that, which
// stays the same when the batch streams.
//
//   build/bench/bench/batch_benchmark build/bench/tools/right-triangle-solve [RUNS]

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/given_pair.h"

namespace {

std::string MakeRequests(int count, std::mt19937_64& random) {
  std::uniform_real_distribution<double> leg(0.5, 500.0);
  std::string requests;
  char line[128];
  for (int n = 0; n < count; ++n) {
    const double a = leg(random);
    const double b = leg(random);
    const double c = std::hypot(a, b);
    const double lengths[] = {a, b, c, a * b / c, a * a / c, b * b / c};
    const int k = n % rt::kGivenPairCount;
    const rt::GivenPair pair = *rt::PairOfListIndex(k);
    std::snprintf(line, sizeof line, "%.*s\t%.7g\t%.7g\n", static_cast<int>(pair.listText.size()),
                  pair.listText.data(), lengths[rt::IndexOf(pair.first)], lengths[rt::IndexOf(pair.second)]);
    requests += line;
  }
  return requests;
}

struct Run {
  double seconds;
  long peakKib;
};

Run RunBatch(const std::string& solver, const std::string& input) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(input.c_str(), O_RDONLY);
    const int out = open("/dev/null", O_WRONLY);
    dup2(in, 0);
    dup2(out, 1);
    execl(solver.c_str(), solver.c_str(), "--batch", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "the batch failed\n");
    std::exit(1);
  }
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), usage.ru_maxrss};
}

void WriteFile(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: batch_benchmark RIGHT_TRIANGLE_SOLVE [RUNS]\n");
    return 64;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
  std::mt19937_64 random(20261208);
  const auto folder = std::filesystem::temp_directory_path();
  const std::string million = (folder / "rt_batch_1m.txt").string();
  const std::string tenth = (folder / "rt_batch_100k.txt").string();
  WriteFile(million, MakeRequests(1'000'000, random));
  WriteFile(tenth, MakeRequests(100'000, random));

  std::vector<double> rates;
  std::vector<long> peaks_million;
  std::vector<long> peaks_tenth;
  for (int run = 0; run < runs; ++run) {
    const Run big = RunBatch(argv[1], million);
    rates.push_back(1e6 / big.seconds);
    peaks_million.push_back(big.peakKib);
    peaks_tenth.push_back(RunBatch(argv[1], tenth).peakKib);
  }
  std::sort(rates.begin(), rates.end());
  std::sort(peaks_million.begin(), peaks_million.end());
  std::sort(peaks_tenth.begin(), peaks_tenth.end());
  const long peak_m = peaks_million[peaks_million.size() / 2];
  const long peak_t = peaks_tenth[peaks_tenth.size() / 2];
  std::printf("batch, median of %d: %.0f requests/s (1,000,000 requests)\n", runs, rates[rates.size() / 2]);
  std::printf("peak resident: %ld KiB for 1,000,000 requests, %ld KiB for 100,000, ratio %.3f\n", peak_m,
              peak_t, static_cast<double>(peak_m) / static_cast<double>(peak_t));
  std::filesystem::remove(million);
  std::filesystem::remove(tenth);
  return 0;
}
