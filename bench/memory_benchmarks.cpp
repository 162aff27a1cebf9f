// Memory per chart window: N standard charts made and painted in host
// rectangles that already existed (and were painted) before, so the growth
// is the charts' own; then the same charts deleted again.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_context.h"
#include "platform/process_memory.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

constexpr int kWindows = 32;

std::string Name(int i) { return "Memory" + std::to_string(i); }

void BM_MemoryPerWindow(benchmark::State& state) {
  for (int i = 0; i < kWindows; ++i) Driver().Rectangle(Name(i), kChartWidth, kChartHeight);
  platform::DeliverPendingPaints();
  platform::ProcessMemory before, made, deleted;
  for (auto _ : state) {
    before = platform::CurrentProcessMemory();
    for (int i = 0; i < kWindows; ++i) BuildChart(Driver(), Name(i), ChartLook{12, true});
    platform::DeliverPendingPaints();
    made = platform::CurrentProcessMemory();
    for (int i = 0; i < kWindows; ++i) Driver().Run("pgChartDelete", {Name(i)});
    platform::DeliverPendingPaints();
    deleted = platform::CurrentProcessMemory();
  }
  const auto per = [](std::size_t a, std::size_t b) {
    return (static_cast<double>(b) - static_cast<double>(a)) / kWindows;
  };
  state.counters["windows"] = kWindows;
  state.counters["heap_bytes_per_window"] = per(before.heapBytes, made.heapBytes);
  state.counters["rss_bytes_per_window"] = per(before.residentBytes, made.residentBytes);
  state.counters["heap_bytes_left_per_window_after_delete"] = per(before.heapBytes, deleted.heapBytes);
  state.counters["peak_rss_bytes"] = static_cast<double>(made.peakResidentBytes);
}

}  // namespace

void RegisterMemoryBenchmarks() {
  benchmark::RegisterBenchmark("memory/standard_window", BM_MemoryPerWindow)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
