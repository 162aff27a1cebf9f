// Metafile back pictures: the repaint of a chart that has one (played once,
// then repeated), and the first playing of a large metafile.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_context.h"
#include "platform/bitmap.h"
#include "platform/metafile/emf_records.h"
#include "platform/picture_files.h"
#include "stalening_change.h"
#include "standard_chart.h"
#include "support/metafile_writer.h"

namespace pg::bench {

namespace {

namespace emr = platform::metafile::emr;

// polygons wavy closed outlines of `points` points each, filled and outlined,
// over the standard chart's size.
std::vector<std::uint8_t> WavyEmf(int polygons, int points) {
  testing::EmfWriter w(kChartWidth, kChartHeight);
  w.Record(emr::kCreateBrushIndirect, {1, 0, 0x3080C0, 0}).Record(emr::kSelectObject, {1});
  for (int k = 0; k < polygons; ++k) {
    const double cx = (k * 97) % kChartWidth, cy = (k * 61) % kChartHeight;
    std::vector<std::int32_t> fields{0, 0, 0, 0, points};
    for (int i = 0; i < points; ++i) {
      const double t = 2 * 3.141592653589793 * i / points, r = 30 * (1 + 0.2 * std::sin(7 * t));
      fields.push_back(static_cast<std::int32_t>(cx + r * std::cos(t)));
      fields.push_back(static_cast<std::int32_t>(cy + r * std::sin(t)));
    }
    std::vector<std::uint8_t> body;
    for (const std::int32_t v : fields) {
      const auto word = testing::EmfWriter::Words({v});
      body.insert(body.end(), word.begin(), word.end());
    }
    w.Raw(emr::kPolygon, std::move(body));
  }
  return w.Finish();
}

std::string WriteTemp(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

// The standard chart repainted over a stretched metafile of 200 polygons: the
// picture is played at the first paint only.
void BM_RepaintWithMetafileBack(benchmark::State& state) {
  const std::string rectangle = "MetafileBack";
  static const std::string path = WriteTemp("pg_bench_back.emf", WavyEmf(200, 400));
  if (!Driver().ChartWindow(rectangle)) {
    BuildChart(Driver(), rectangle, ChartLook{12, true});
    Driver().Run("pgChartPicture", {rectangle, "True", path, "Stretch"});
  }
  StaleningChange change(rectangle);
  for (auto _ : state) {
    change.Apply();
    platform::DeliverPendingPaints();
  }
  SavePicture(rectangle, rectangle);
}

// Load and first paint of the largest drawing the record check accepts: 49
// polygons of 4 000 points (196 000 points of the 200 000 it allows).
void BM_PlayLargeMetafile(benchmark::State& state) {
  const auto emf = WavyEmf(49, 4000);
  platform::Bitmap target(kChartWidth, kChartHeight);
  for (auto _ : state) {
    const auto picture = platform::DecodePicture(platform::PictureFormat::kEnhancedMetafile, emf);
    if (!picture) {
      state.SkipWithError("the record check refused the benchmark's metafile");
      return;
    }
    picture->Draw(target.Dc(), platform::TRect{0, 0, kChartWidth, kChartHeight});
  }
  state.counters["file_bytes"] = static_cast<double>(emf.size());
}

// Load and paint of a metafile that asks for far more work than a picture
// (tests/data/pictures/heavy, made by make_pictures.py): each must stay well
// under a second, whatever it asks.
void BM_PlayHeavyMetafile(benchmark::State& state, const std::string& name) {
  std::ifstream in(std::string(PG_TEST_DATA) + "/pictures/heavy/" + name, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto format = name.ends_with(".emf") ? platform::PictureFormat::kEnhancedMetafile
                                             : platform::PictureFormat::kWindowsMetafile;
  platform::Bitmap target(kChartWidth, kChartHeight);
  for (auto _ : state) {
    const auto picture = platform::DecodePicture(format, bytes);
    if (!picture) continue;  // refused: the check's cost alone
    const auto e = picture->Extent();
    for (const platform::TRect dest : {platform::TRect{0, 0, e.width, e.height}, platform::TRect{5, 5, 60, 40},
                                       platform::TRect{-400, -300, 900, 700}})
      picture->Draw(target.Dc(), dest);
  }
}

}  // namespace

void RegisterMetafileBenchmarks() {
  using benchmark::kMillisecond;
  benchmark::RegisterBenchmark("picture/repaint_metafile_back", BM_RepaintWithMetafileBack)->Unit(kMillisecond);
  benchmark::RegisterBenchmark("picture/play_large_emf", BM_PlayLargeMetafile)->Unit(kMillisecond);
  for (const char* name : {"emf_text_turned_far.emf", "emf_text_turned_world.emf", "emf_text_turned_large.emf",
                           "emf_text_upright_large.emf", "emf_wide_pen_ellipses.emf", "emf_wide_pen_lines.emf",
                           "wmf_brushes_over_table.wmf", "wmf_text_turned_far.wmf"})
    benchmark::RegisterBenchmark((std::string("picture/heavy/") + name).c_str(),
                                 [name](benchmark::State& state) { BM_PlayHeavyMetafile(state, name); })
        ->Unit(kMillisecond)
        ->Iterations(1);
}

}  // namespace pg::bench
