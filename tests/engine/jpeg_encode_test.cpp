// Writing JPEG files: rows go to the encoder as the pixel source gives them,
// into a buffer that grows when a file outgrows its first guess.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "engine/export/picture_export.h"
#include "engine/picture/jpeg_codec.h"

namespace {

using namespace pg::engine;

struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Decoded DecodeAll(const std::vector<std::uint8_t>& file) {
  Decoded d;
  if (jpeg::OutputSize(file, {}, d.width, d.height) != 0) return {};
  d.pixels.resize(static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height));
  const auto sink = [](void* context, int y, const std::uint32_t* row, int w) {
    auto& out = *static_cast<Decoded*>(context);
    std::copy(row, row + w, out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * w);
  };
  if (jpeg::Decode(file, {}, d.width, d.height, sink, &d) != 0) return {};
  return d;
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int s = 0; s <= 16; s += 8)
    if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > tolerance) return false;
  return true;
}

TEST(JpegEncode, ChannelsKeepTheirPlacesAndLargeFilesGrowTheBuffer) {
  // Red, green, blue and white quarters (0x00RRGGBB), then the same over noise
  // at quality 100, whose file is larger than one byte a pixel.
  const std::uint32_t quarters[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  for (const bool noisy : {false, true}) {
    const int w = 128, h = 96;
    const auto pixel = [&](int x, int y) -> std::uint32_t {
      const int q = (x < w / 2 ? 0 : 1) + (y < h / 2 ? 0 : 2);
      const bool clean = x % (w / 2) >= 16 && x % (w / 2) < 32 && y % (h / 2) >= 16 && y % (h / 2) < 32;
      if (noisy && !clean) return static_cast<std::uint32_t>((x * 7919 + y * 104729) * 2654435761u) & 0xFFFFFF;
      return quarters[q];
    };
    const auto file = EncodeRasterPicture(pg::platform::ExportFormat::kJpeg, w, h, 32, pixel, noisy ? 100 : 90);
    ASSERT_FALSE(file.empty());
    if (noisy) {
      EXPECT_GT(file.size(), static_cast<std::size_t>(w * h) + 4096);
    }
    const Decoded d = DecodeAll(file);
    ASSERT_EQ(d.width, w);
    ASSERT_EQ(d.height, h);
    // The middle of a clean square in each quarter (whole 16 x 16 blocks, as
    // colour is kept at half resolution).
    const int xs[] = {24, 88}, ys[] = {24, 72};
    for (int q = 0; q < 4; ++q)
      EXPECT_TRUE(Near(d.At(xs[q % 2], ys[q / 2]), quarters[q], 24)) << std::hex << d.At(xs[q % 2], ys[q / 2]);
  }
}

TEST(JpegEncode, AFailingPixelSourceWritesNothing) {
  const auto throwing = [](int, int y) -> std::uint32_t {
    if (y == 20) throw std::runtime_error("pixels gone");
    return 0x808080;
  };
  EXPECT_TRUE(EncodeRasterPicture(pg::platform::ExportFormat::kJpeg, 40, 30, 32, throwing, 90).empty());
  EXPECT_TRUE(EncodeRasterPicture(pg::platform::ExportFormat::kJpeg, 0, 30, 32, throwing, 90).empty());
}

}  // namespace
