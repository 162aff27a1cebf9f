// Saved bitmaps: Windows BMP and PNG files read back byte by byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
  return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (static_cast<std::uint32_t>(d[at + 3]) << 24);
}
unsigned Le16(const std::vector<std::uint8_t>& d, std::size_t at) { return d[at] | (d[at + 1] << 8); }
std::uint32_t Be32(const std::vector<std::uint8_t>& d, std::size_t at) {
  return (static_cast<std::uint32_t>(d[at]) << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
}

std::string TempPath(const char* name) { return ::testing::TempDir() + name; }

// A picture with every pixel distinct enough to catch row order and padding.
void Paint(Bitmap& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.Dc().SetPixel(x, y, Rgb(x * 40, y * 60, 200 - x * 20));
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, 0));
}

TEST(ImageFiles, ColourBitmapsSaveAsBottomUpBmp) {
  Bitmap b(5, 3);  // 15 bytes a row, padded to 16
  Paint(b);
  const std::string path = TempPath("pg_colour.bmp");
  ASSERT_TRUE(b.SaveBmp(path));
  const auto d = ReadFile(path);
  ASSERT_EQ(d.size(), 54u + 16 * 3);
  EXPECT_EQ(d[0], 'B');
  EXPECT_EQ(d[1], 'M');
  EXPECT_EQ(Le32(d, 2), d.size());
  EXPECT_EQ(Le32(d, 10), 54u);
  EXPECT_EQ(Le32(d, 14), 40u);
  EXPECT_EQ(Le32(d, 18), 5u);
  EXPECT_EQ(Le32(d, 22), 3u);
  EXPECT_EQ(Le16(d, 26), 1u);
  EXPECT_EQ(Le16(d, 28), 24u);
  EXPECT_EQ(Le32(d, 30), 0u);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      const std::size_t at = 54 + static_cast<std::size_t>(2 - y) * 16 + 3 * x;
      const std::uint32_t rgb = (d[at + 2] << 16) | (d[at + 1] << 8) | d[at];
      EXPECT_EQ(rgb, b.Pixel(x, y)) << x << "," << y;
    }
  std::remove(path.c_str());
}

TEST(ImageFiles, MonoBitmapsSaveWithTwoColourPalette) {
  Bitmap m(10, 2, 1);
  m.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, 0));
  m.Dc().FillRect(TRect{0, 0, 3, 1});
  const std::string path = TempPath("pg_mono.bmp");
  ASSERT_TRUE(m.SaveBmp(path));
  const auto d = ReadFile(path);
  ASSERT_EQ(d.size(), 62u + 4 * 2);
  EXPECT_EQ(Le16(d, 28), 1u);
  EXPECT_EQ(Le32(d, 10), 62u);
  EXPECT_EQ(Le32(d, 46), 2u);
  EXPECT_EQ(Le32(d, 54), 0x000000u);
  EXPECT_EQ(Le32(d, 58), 0xFFFFFFu);
  EXPECT_EQ(d[62], 0xFF);  // bottom row: all white
  EXPECT_EQ(d[63], 0xC0);
  EXPECT_EQ(d[66], 0x1F);  // top row: three black pixels first
  EXPECT_EQ(d[67], 0xC0);
  std::remove(path.c_str());
}

TEST(ImageFiles, SavingOverwritesAndReportsFailure) {
  const std::string path = TempPath("pg_over.bmp");
  Bitmap big(20, 20), small(2, 2);
  ASSERT_TRUE(big.SaveBmp(path));
  ASSERT_TRUE(small.SaveBmp(path));
  EXPECT_EQ(ReadFile(path).size(), 54u + 8 * 2);
  std::remove(path.c_str());
  EXPECT_FALSE(small.SaveBmp(TempPath("no_such_dir/x.bmp")));
  EXPECT_FALSE(small.SavePng(TempPath("no_such_dir/x.png")));
  Bitmap empty(0, 0);
  ASSERT_TRUE(empty.SaveBmp(path));
  EXPECT_EQ(ReadFile(path).size(), 54u);
  std::remove(path.c_str());
}

TEST(ImageFiles, PngHoldsThePixelsInStoredBlocks) {
  Bitmap b(7, 4);
  Paint(b);
  const std::string path = TempPath("pg_pic.png");
  ASSERT_TRUE(b.SavePng(path));
  const auto d = ReadFile(path);
  ASSERT_GT(d.size(), 8u + 25);
  EXPECT_EQ(std::vector<std::uint8_t>(d.begin(), d.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  std::size_t at = 8;
  std::vector<std::uint8_t> zlib;
  bool ended = false;
  while (at + 12 <= d.size()) {
    const std::uint32_t len = Be32(d, at);
    const std::string type(d.begin() + static_cast<std::ptrdiff_t>(at + 4), d.begin() + static_cast<std::ptrdiff_t>(at + 8));
    if (type == "IHDR") {
      EXPECT_EQ(Be32(d, at + 8), 7u);
      EXPECT_EQ(Be32(d, at + 12), 4u);
      EXPECT_EQ(d[at + 16], 8);
      EXPECT_EQ(d[at + 17], 2);
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), d.begin() + static_cast<std::ptrdiff_t>(at + 8),
                  d.begin() + static_cast<std::ptrdiff_t>(at + 8 + len));
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + len;
  }
  EXPECT_TRUE(ended);
  EXPECT_EQ(at, d.size());
  // zlib header, then stored (uncompressed) deflate blocks.
  ASSERT_GE(zlib.size(), 2u + 5 + 4 * (1 + 21) + 4);
  std::vector<std::uint8_t> raw;
  std::size_t p = 2;
  for (;;) {
    const bool last = zlib[p] & 1;
    const unsigned n = zlib[p + 1] | (zlib[p + 2] << 8);
    EXPECT_EQ(n ^ 0xFFFFu, static_cast<unsigned>(zlib[p + 3] | (zlib[p + 4] << 8)));
    raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(p + 5),
               zlib.begin() + static_cast<std::ptrdiff_t>(p + 5 + n));
    p += 5 + n;
    if (last) break;
  }
  ASSERT_EQ(raw.size(), 4u * (1 + 21));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) {
      const std::size_t q = static_cast<std::size_t>(y) * 22 + 1 + 3 * x;
      EXPECT_EQ(static_cast<std::uint32_t>((raw[q] << 16) | (raw[q + 1] << 8) | raw[q + 2]), b.Pixel(x, y));
    }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace pg::platform
