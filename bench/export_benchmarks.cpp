// The standard chart written as each export format, in memory (the disk's own
// time aside): the chart drawn into a recording and the file's bytes made, or
// its pixels drawn and encoded.
#include <benchmark/benchmark.h>

#include "bench_context.h"
#include "charts/chart_form_design.h"
#include "engine/export/picture_export.h"
#include "engine/panel/chart_description.h"
#include "framework/text/codepage.h"
#include "platform/bitmap.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

struct StandardChart {
  engine::TChart chart;
  engine::TPieSeries pie;
  StandardChart() {
    charts::ApplyChartFormDesign(chart, pie);
    chart.SetBounds(kChartWidth, kChartHeight);
    chart.Title().SetText({text::Utf8ToCp1251("Продажи за год")});
    chart.Foot().SetText({text::Utf8ToCp1251("Источник: годовой отчёт")});
    chart.Gradient().SetVisible(true);
    chart.Gradient().SetStartColor(0xFFFFFF);
    chart.Gradient().SetEndColor(0xF0B496);
    for (int i = 0; i < 12; ++i) pie.AddPoint(SliceValue(i), text::Utf8ToCp1251(SliceLabel(i)));
  }
};

void BM_ExportVector(benchmark::State& state, platform::ExportFormat format) {
  StandardChart c;
  const platform::TRect area{0, 0, kChartWidth, kChartHeight};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto file = engine::RecordVectorPicture(
        format, engine::VectorPicture{kChartWidth, kChartHeight,
                                      [&](platform::DeviceContext& dc) { c.chart.DrawUnbuffered(dc, area); },
                                      engine::DescribeChart(c.chart)});
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_ExportRaster(benchmark::State& state, platform::ExportFormat format) {
  StandardChart c;
  const platform::TRect area{0, 0, kChartWidth, kChartHeight};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto picture = c.chart.CreatePicture(0xFFFFFF, area);
    const auto file = engine::EncodeRasterPicture(format, picture->Width(), picture->Height(), 32,
                                                  [&](int x, int y) { return picture->Pixel(x, y); });
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

}  // namespace

void RegisterExportBenchmarks() {
  using F = platform::ExportFormat;
  benchmark::RegisterBenchmark("export/standard_emf", BM_ExportVector, F::kEmf)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("export/standard_svg", BM_ExportVector, F::kSvg)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("export/standard_jpeg", BM_ExportRaster, F::kJpeg)->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
