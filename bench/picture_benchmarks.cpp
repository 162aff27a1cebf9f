// Back pictures that are large: a 31 MB 24-bit bitmap and an 8192 x 8192 1-bit
// one loaded and drawn once stretched over a chart-sized bitmap, and the first
// paint of an 8192 x 8192 baseline JPEG as a chart's back picture (the load and
// the paint that decodes it).
#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_context.h"
#include "platform/bitmap.h"
#include "platform/image_files.h"
#include "platform/picture_files.h"
#include "platform/process_memory.h"
#include "platform/window.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

constexpr int kBmp24Side = 3232;  // 3232 x 3232 x 3 bytes: 31.3 MB
constexpr int kMonoSide = 8192, kJpegSide = 8192;

// A picture with detail everywhere, so no reader gets away with runs of one colour.
std::uint32_t Pattern(int x, int y) {
  const auto v = static_cast<std::uint32_t>(x * 7 + y * 13) ^ static_cast<std::uint32_t>(x * y);
  return (v & 0xFF) << 16 | ((v >> 3) & 0xFF) << 8 | ((x + y) & 0xFF);
}

void LoadBitmap(benchmark::State& state, const std::vector<std::uint8_t>& file) {
  const auto before = platform::CurrentProcessMemory();
  for (auto _ : state) {
    auto picture = platform::DecodePicture(platform::PictureFormat::kBitmap, file);
    if (!picture) {
      state.SkipWithError("the bitmap was refused");
      break;
    }
    platform::Bitmap chart(kChartWidth, kChartHeight);
    picture->Draw(chart.Dc(), platform::TRect{0, 0, kChartWidth, kChartHeight});
    benchmark::DoNotOptimize(chart.Pixel(1, 1));
  }
  const auto after = platform::CurrentProcessMemory();
  state.counters["file_mb"] = static_cast<double>(file.size()) / 1e6;
  // What the load took beyond what the process held before (0 when an earlier
  // benchmark had already raised the peak higher).
  state.counters["peak_growth_mb"] =
      after.peakResidentBytes > before.residentBytes
          ? static_cast<double>(after.peakResidentBytes - before.residentBytes) / 1e6
          : 0.0;
}

void BM_LoadBmp24(benchmark::State& state) {
  static const auto file = platform::EncodeBmp(kBmp24Side, kBmp24Side, 24, Pattern);
  LoadBitmap(state, file);
}

void BM_LoadBmp1(benchmark::State& state) {
  static const auto file =
      platform::EncodeBmp(kMonoSide, kMonoSide, 1, [](int x, int y) { return (x ^ y) & 4 ? 0xFFFFFFu : 0u; });
  LoadBitmap(state, file);
}

// A baseline JPEG, quality 85, written once.
std::string JpegFile() {
  const std::string path = (std::filesystem::temp_directory_path() / "pg_bench_8192.jpg").string();
  if (std::filesystem::exists(path)) return path;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return {};
  jpeg_compress_struct c{};
  jpeg_error_mgr errors{};
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = c.image_height = kJpegSide;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 85, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(3 * kJpegSide);
  while (c.next_scanline < c.image_height) {
    const int y = static_cast<int>(c.next_scanline);
    for (int x = 0; x < kJpegSide; ++x) {
      const std::uint32_t p = Pattern(x / 4, y / 4);
      row[3 * x] = static_cast<JSAMPLE>(p >> 16), row[3 * x + 1] = static_cast<JSAMPLE>(p >> 8),
              row[3 * x + 2] = static_cast<JSAMPLE>(p);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
  return path;
}

void BM_JpegFirstPaint(benchmark::State& state) {
  const std::string path = JpegFile();
  Driver().Rectangle("JpegChart", kChartWidth, kChartHeight);
  Driver().Run("pgChartCreate", {"JpegChart"});
  platform::DeliverPendingPaints();
  for (auto _ : state) {
    // Each load is a new picture, decoded by the paint that first shows it.
    Driver().Run("pgChartPicture", {"JpegChart", "True", path, "Stretch"});
    platform::DeliverPendingPaints();
  }
  state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  Driver().Run("pgChartDelete", {"JpegChart"});
}

// A 1 x 1 picture tiled over a 3000 x 3000 bitmap: a bitmap file, and an icon
// (24-bit pixel and mask) that must cost at most twice as much.
std::vector<std::uint8_t> OnePixelIcon() {
  std::vector<std::uint8_t> f = {0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 24, 0, 48, 0, 0, 0, 22, 0, 0, 0,
                                 40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0};
  f.resize(22 + 40, 0);
  f.insert(f.end(), {0x20, 0x80, 0xC0, 0, 0, 0, 0, 0});  // the pixel, padded; the mask row: opaque
  return f;
}

void TileOnePixel(benchmark::State& state, platform::PictureFormat format, const std::vector<std::uint8_t>& file) {
  auto picture = platform::DecodePicture(format, file);
  if (!picture) {
    state.SkipWithError("the picture was refused");
    return;
  }
  platform::Bitmap target(3000, 3000);
  for (auto _ : state) picture->DrawTiled(target.Dc(), platform::TRect{0, 0, 3000, 3000}, 1, 1);
  if (target.Pixel(2999, 2999) != 0xC08020) state.SkipWithError("the copies did not land");
}

void BM_TileBitmap(benchmark::State& state) {
  TileOnePixel(state, platform::PictureFormat::kBitmap,
               platform::EncodeBmp(1, 1, 24, [](int, int) { return 0xC08020u; }));
}
void BM_TileIcon(benchmark::State& state) { TileOnePixel(state, platform::PictureFormat::kIcon, OnePixelIcon()); }

}  // namespace

void RegisterPictureBenchmarks() {
  benchmark::RegisterBenchmark("picture/tile_bmp_1x1_over_3000", BM_TileBitmap)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("picture/tile_icon_1x1_over_3000", BM_TileIcon)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("picture/bmp24_31mb_load_and_draw", BM_LoadBmp24)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("picture/bmp1_8192_load_and_draw", BM_LoadBmp1)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("picture/jpeg_8192_first_paint", BM_JpegFirstPaint)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
}

}  // namespace pg::bench
