// Paints of a chart window, each delivered by the message pump as the host's
// loop delivers it: a change that leaves the picture stale and invalidates the
// window, then DeliverPendingPaints.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "alloc_counter.h"
#include "bench_context.h"
#include "framework/text/codepage.h"
#include "platform/process_memory.h"
#include "stalening_change.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

// The chart in `rectangle`, built on first use and kept for later runs.
platform::WindowHandle ChartFor(const std::string& rectangle, const ChartLook& look) {
  if (const auto chart = Driver().ChartWindow(rectangle)) return chart;
  return BuildChart(Driver(), rectangle, look);
}

// Heap bytes still taken after `paints` more paints than before them: growth
// with time shows here (the first paint after a change of size may allocate).
template <typename PaintOnce>
double HeapGrowthPerPaint(PaintOnce paint, int paints) {
  paint();
  const auto before = platform::CurrentProcessMemory().heapBytes;
  for (int i = 0; i < paints; ++i) paint();
  const auto after = platform::CurrentProcessMemory().heapBytes;
  return (static_cast<double>(after) - static_cast<double>(before)) / paints;
}

void ReportAllocs(benchmark::State& state, const AllocCounts& before) {
  const AllocCounts after = CurrentAllocs();
  const double n = static_cast<double>(state.iterations());
  state.counters["new_per_op"] = static_cast<double>(after.calls - before.calls) / n;
  state.counters["new_bytes_per_op"] = static_cast<double>(after.bytes - before.bytes) / n;
}

void FullRepaint(benchmark::State& state, const std::string& rectangle, const ChartLook& look) {
  const auto chart = ChartFor(rectangle, look);
  StaleningChange change(rectangle);
  const auto paint = [&] {
    change.Apply();
    platform::DeliverPendingPaints();
  };
  const AllocCounts allocs = CurrentAllocs();
  for (auto _ : state) paint();
  ReportAllocs(state, allocs);
  // Fewer for the big charts, whose paints are long: growth would show in a few.
  state.counters["heap_growth_per_paint"] = HeapGrowthPerPaint(paint, look.slices >= 1000 ? 5 : 50);
  state.SetComplexityN(look.slices);
  SavePicture(rectangle, rectangle);
  benchmark::DoNotOptimize(chart);
}

void BM_StandardRepaint3D(benchmark::State& state) { FullRepaint(state, "Standard3D", ChartLook{12, true}); }
void BM_StandardRepaintFlat(benchmark::State& state) { FullRepaint(state, "StandardFlat", ChartLook{12, false}); }

// The window painted again while its picture is still valid (the host window
// was uncovered, say): the chart only copies its buffered picture.
void BM_RepaintFromBuffer(benchmark::State& state) {
  const auto chart = ChartFor("Standard3D", ChartLook{12, true});
  const auto paint = [&] {
    platform::InvalidateWindow(chart);
    platform::DeliverPendingPaints();
  };
  const AllocCounts allocs = CurrentAllocs();
  for (auto _ : state) paint();
  ReportAllocs(state, allocs);
  state.counters["heap_growth_per_paint"] = HeapGrowthPerPaint(paint, 200);
  SavePicture("Standard3D", "Standard3D_from_buffer");
}

// The change alone, without its paint: what the repaint figures above include
// besides drawing.
void BM_StaleningChangeOnly(benchmark::State& state) {
  ChartFor("Standard3D", ChartLook{12, true});
  StaleningChange change("Standard3D");
  for (auto _ : state) change.Apply();
  platform::DeliverPendingPaints();
}

void BM_ManySlices(benchmark::State& state) {
  const int slices = static_cast<int>(state.range(0));
  FullRepaint(state, "Slices" + std::to_string(slices), ChartLook{slices, true});
}

// Eighty slices with their marks as they stand and laid out apart: the
// difference is what the layout step adds to a paint.
void BM_EightySlicesMarks(benchmark::State& state) {
  const bool laidOut = state.range(0) != 0;
  const std::string name = laidOut ? "Marks80NoOverlap" : "Marks80Standard";
  if (!Driver().ChartWindow(name)) {
    BuildChart(Driver(), name, ChartLook{80, true});
    Driver().Run("pgMarksLayout", {name, laidOut ? "NoOverlap" : "Standard"});
    platform::DeliverPendingPaints();
  }
  FullRepaint(state, name, ChartLook{80, true});
}

// The rocking animation: one timer period of the host's loop, whose tick turns
// the chart and whose paint draws it.
void BM_RollTick(benchmark::State& state) {
  ChartFor("Rolling", ChartLook{12, true});
  Driver().Run("pgChartRoll", {"Rolling", "True", "30", "10"});
  const auto tick = [] { platform::RunMessagePeriod(150); };
  const AllocCounts allocs = CurrentAllocs();
  for (auto _ : state) tick();
  ReportAllocs(state, allocs);
  state.counters["heap_growth_per_paint"] = HeapGrowthPerPaint(tick, 50);
  Driver().Run("pgChartRoll", {"Rolling", "False", "30", "10"});
  SavePicture("Rolling", "Rolling");
}

}  // namespace

void RegisterPaintBenchmarks() {
  using benchmark::kMillisecond;
  benchmark::RegisterBenchmark("repaint/standard_3d", BM_StandardRepaint3D)->Unit(kMillisecond);
  benchmark::RegisterBenchmark("repaint/standard_flat", BM_StandardRepaintFlat)->Unit(kMillisecond);
  benchmark::RegisterBenchmark("repaint/from_buffer", BM_RepaintFromBuffer)->Unit(kMillisecond);
  benchmark::RegisterBenchmark("repaint/change_only", BM_StaleningChangeOnly)->Unit(kMillisecond);
  benchmark::RegisterBenchmark("repaint/slices", BM_ManySlices)
      ->Arg(100)
      ->Arg(1000)
      ->Arg(3000)
      ->Arg(10000)
      ->Arg(100000)
      ->Complexity(benchmark::oN)
      ->Unit(kMillisecond);
  benchmark::RegisterBenchmark("repaint/marks_80", BM_EightySlicesMarks)->Arg(0)->Arg(1)->Unit(kMillisecond);
  benchmark::RegisterBenchmark("roll_tick/standard_3d", BM_RollTick)->Unit(kMillisecond);
}

}  // namespace pg::bench
