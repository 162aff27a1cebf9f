// Actions through the real nbExecAction export, each with a fresh block of host
// strings from the host's allocator, as the reference host passes them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "alloc_counter.h"
#include "bench_context.h"
#include "framework/text/codepage.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

constexpr int kAddCalls = 100000;

// 100 000 records added to one chart, without a paint between them (a script's
// actions run before the host's loop gets to paint). The chart starts empty.
void BM_AddSeries(benchmark::State& state) {
  const std::string rect = "Records";
  if (!Driver().ChartWindow(rect)) BuildChart(Driver(), rect, ChartLook{0, true});
  Driver().Run("pgClearSeries", {rect});
  const auto add = Driver().Find("pgAddSeriesChart");
  std::vector<std::vector<std::string>> args;
  for (int i = 0; i < 12; ++i)
    args.push_back({rect, std::to_string(SliceValue(i)), text::Utf8ToCp1251(SliceLabel(i)), ""});
  std::size_t i = 0;
  Driver().TakeLastError();
  const AllocCounts allocs = CurrentAllocs();
  for (auto _ : state) {
    Driver().Run(add, args[i]);
    if (++i == args.size()) i = 0;
  }
  const AllocCounts after = CurrentAllocs();
  state.counters["new_per_op"] = static_cast<double>(after.calls - allocs.calls) / kAddCalls;
  if (!Driver().TakeLastError().empty()) state.SkipWithError("pgAddSeriesChart found no chart");
  // The chart must not carry 100 000 slices into the next benchmark's paints.
  Driver().Run("pgClearSeries", {rect});
  platform::DeliverPendingPaints();
}

// A chart window made and taken away again; with a paint between them in the
// second form, as the host's loop would paint a new window.
void CreateDelete(benchmark::State& state, bool paint) {
  const std::string rect = "Cycles";
  Driver().Rectangle(rect, kChartWidth, kChartHeight);
  const auto create = Driver().Find("pgChartCreate"), remove = Driver().Find("pgChartDelete");
  const std::vector<std::string> args{rect};
  std::size_t refused = 0;
  for (auto _ : state) {
    if (!Driver().Run(create, args)) ++refused;
    if (paint) platform::DeliverPendingPaints();
    if (!Driver().Run(remove, args)) ++refused;  // true when a chart was deleted
  }
  if (refused) state.SkipWithError("pgChartCreate or pgChartDelete answered false");
  platform::DeliverPendingPaints();
}

void BM_CreateDelete(benchmark::State& state) { CreateDelete(state, false); }
void BM_CreatePaintDelete(benchmark::State& state) { CreateDelete(state, true); }

}  // namespace

void RegisterActionBenchmarks() {
  using benchmark::kMicrosecond;
  benchmark::RegisterBenchmark("action/add_series_100k", BM_AddSeries)->Iterations(kAddCalls)->Unit(kMicrosecond);
  benchmark::RegisterBenchmark("action/create_delete", BM_CreateDelete)->Unit(kMicrosecond);
  benchmark::RegisterBenchmark("action/create_paint_delete", BM_CreatePaintDelete)->Unit(kMicrosecond);
}

}  // namespace pg::bench
