// The standard chart written as a PDF file: drawn onto the recording context
// and finished (fonts subset and embedded, tags and the figure's text added,
// the file saved atomically).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_context.h"
#include "platform/export/pdf_writer.h"
#include "support/export_charts.h"

namespace pg::bench {

namespace {

void BM_WriteStandardPdf(benchmark::State& state) {
  export_test::Chart chart;
  export_test::ExportCharts("").front().build(chart);
  platform::PdfDocumentInfo info;
  info.titleUtf8 = chart.words.front();
  info.altTextUtf8 = "Круговая диаграмма";
  const std::string path = (std::filesystem::temp_directory_path() / "pg_bench_standard.pdf").string();
  for (auto _ : state) {
    auto pdf = platform::CreatePdfRecorder(export_test::kWidth, export_test::kHeight, info);
    chart.DrawTo(*pdf);
    if (!platform::FinishPdf(*pdf, path)) state.SkipWithError("FinishPdf failed");
  }
  state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::remove(path.c_str());
}

}  // namespace

void RegisterPdfBenchmarks() {
  benchmark::RegisterBenchmark("pdf/standard_3d", BM_WriteStandardPdf)->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
