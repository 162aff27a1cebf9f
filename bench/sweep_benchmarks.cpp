// The extreme-value sweep as a benchmark: one iteration paints every case once;
// the slowest paint of all (thread CPU time) is what the table shows, beside the
// heap a second pass over the cases leaves behind.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>

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
  double slowest = 0;
  std::string slowestName;
  auto pass = [&] {
    for (const auto& c : cases) {
      const double start = ThreadCpuMs();
      PaintSweepCase(Driver(), c);
      const double took = ThreadCpuMs() - start;
      if (took > slowest) {
        slowest = took;
        slowestName = c.name;
      }
      RestoreSweepCase(Driver(), c);
    }
  };
  for (auto _ : state) pass();
  const auto before = platform::CurrentProcessMemory().heapBytes;
  pass();
  const auto after = platform::CurrentProcessMemory().heapBytes;
  state.counters["cases"] = static_cast<double>(cases.size());
  state.counters["slowest_case_ms"] = slowest;
  state.counters["heap_growth_per_pass"] = static_cast<double>(after) - static_cast<double>(before);
  state.SetLabel(slowestName);
}

}  // namespace

void RegisterSweepBenchmarks() {
  benchmark::RegisterBenchmark("sweep/extreme_values", BM_ExtremeSweep)->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
