// The extreme-value sweep as a benchmark: one iteration paints every case once;
// the slowest paint of all (thread CPU time) is what the table shows, beside the
// heap a second pass over the cases leaves behind.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_context.h"
#include "extreme_sweep.h"
#include "platform/process_memory.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

void BM_ExtremeSweep(benchmark::State& state) {
  if (!Driver().ChartWindow("Sweep")) BuildChart(Driver(), "Sweep", ChartLook{});
  const auto cases = ExtremeSweepCases("Sweep");
  // The slowest paint of each case over all passes.
  std::vector<double> worst(cases.size(), 0.0);
  auto pass = [&] {
    for (std::size_t i = 0; i < cases.size(); ++i) {
      const double start = ThreadCpuMs();
      PaintSweepCase(Driver(), cases[i]);
      worst[i] = std::max(worst[i], ThreadCpuMs() - start);
      RestoreSweepCase(Driver(), cases[i]);
    }
  };
  for (auto _ : state) pass();
  const auto before = platform::CurrentProcessMemory().heapBytes;
  pass();
  const auto after = platform::CurrentProcessMemory().heapBytes;
  const auto slowest = std::max_element(worst.begin(), worst.end()) - worst.begin();
  state.counters["cases"] = static_cast<double>(cases.size());
  state.counters["slowest_case_ms"] = worst[static_cast<std::size_t>(slowest)];
  state.counters["heap_growth_per_pass"] = static_cast<double>(after) - static_cast<double>(before);
  // Aggregated results drop labels: the slowest cases go to the error stream.
  std::vector<std::size_t> order(cases.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return worst[a] > worst[b]; });
  std::fprintf(stderr, "sweep: slowest cases (ms cpu):");
  for (std::size_t i = 0; i < std::min<std::size_t>(5, order.size()); ++i)
    std::fprintf(stderr, " [%s] %.2f", cases[order[i]].name.c_str(), worst[order[i]]);
  std::fprintf(stderr, "\n");
}

}  // namespace

void RegisterSweepBenchmarks() {
  benchmark::RegisterBenchmark("sweep/extreme_values", BM_ExtremeSweep)->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
