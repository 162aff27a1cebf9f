// The standard chart's picture saved as a PNG file, as the reference host's
// `save` writes it; the file is read back with libpng to check every pixel.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_context.h"
#include "platform/bitmap.h"
#include "platform/window.h"
#include "standard_chart.h"

namespace pg::bench {

namespace {

// Pixels of the file that differ from the bitmap's; -1 when it does not read back.
double PixelsDiffering(const std::string& path, const platform::Bitmap& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return -1;
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return -1;
  if (static_cast<int>(image.width) != picture.Width() || static_cast<int>(image.height) != picture.Height()) return -1;
  double differ = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const std::size_t at = 3 * (static_cast<std::size_t>(y) * picture.Width() + x);
      const auto rgbAt = static_cast<std::uint32_t>((rgb[at] << 16) | (rgb[at + 1] << 8) | rgb[at + 2]);
      differ += rgbAt != picture.Pixel(x, y);
    }
  return differ;
}

void BM_SaveStandardPng(benchmark::State& state) {
  BuildChart(Driver(), "PngChart", ChartLook{12, true});
  const host::Rectangle* r = Driver().Session().FindRectangle("PngChart");
  const auto picture = platform::CaptureWindow(r->window);
  const std::string path = (std::filesystem::temp_directory_path() / "pg_bench_standard.png").string();
  for (auto _ : state)
    if (!picture->SavePng(path)) state.SkipWithError("SavePng failed");
  state.counters["png_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["png_pixels_differing"] = PixelsDiffering(path, *picture);
  std::remove(path.c_str());
  Driver().Run("pgChartDelete", {"PngChart"});
}

}  // namespace

void RegisterPngBenchmarks() {
  benchmark::RegisterBenchmark("png/standard_3d", BM_SaveStandardPng)->Unit(benchmark::kMillisecond);
}

}  // namespace pg::bench
