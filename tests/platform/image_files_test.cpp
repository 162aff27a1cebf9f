// Saved bitmaps: Windows BMP files read back byte by byte, PNG files through libpng.
#include <gtest/gtest.h>
#include <png.h>

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

// Every pixel of the file as libpng reads it back, 0x00RRGGBB; empty on failure.
std::vector<std::uint32_t> ReadPng(const std::string& path, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) out.push_back((rgb[i] << 16) | (rgb[i + 1] << 8) | rgb[i + 2]);
  return out;
}

void ExpectPngHolds(const Bitmap& b, const std::string& path) {
  ASSERT_TRUE(b.SavePng(path));
  int width = 0, height = 0;
  const auto pixels = ReadPng(path, width, height);
  ASSERT_EQ(width, b.Width());
  ASSERT_EQ(height, b.Height());
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width) * height);
  int differ = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) differ += pixels[static_cast<std::size_t>(y) * width + x] != b.Pixel(x, y);
  EXPECT_EQ(differ, 0);
  std::remove(path.c_str());
}

TEST(ImageFiles, PngReadsBackAsTheBitmapsPixels) {
  Bitmap small(7, 4);
  Paint(small);
  ExpectPngHolds(small, TempPath("pg_pic.png"));

  // Chart-sized, with flat areas, outlines and text: compressed well below its raw size.
  Bitmap chart(524, 246);
  DeviceContext& dc = chart.Dc();
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(150, 180, 240)));
  dc.FillRect(TRect{0, 0, 524, 246});
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(255, 0, 0)));
  dc.Pie(40, 20, 300, 230, 300, 120, 170, 20);
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(0, 128, 0)));
  dc.Ellipse(320, 30, 500, 200);
  dc.TextOutAt(10, 10, "Pie 12%");
  const std::string path = TempPath("pg_chart.png");
  ASSERT_TRUE(chart.SavePng(path));
  EXPECT_LT(ReadFile(path).size(), 524u * 246 * 3 / 20);
  ExpectPngHolds(chart, path);

  // A mono bitmap saves as its black and white.
  Bitmap mono(10, 2, 1);
  mono.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, 0));
  mono.Dc().FillRect(TRect{0, 0, 3, 1});
  ExpectPngHolds(mono, TempPath("pg_mono.png"));
}

TEST(ImageFiles, EmptyBitmapHasNoPngAndWritesNothing) {
  const std::string path = TempPath("pg_empty.png");
  std::remove(path.c_str());
  Bitmap empty(0, 0);
  EXPECT_FALSE(empty.SavePng(path));
  EXPECT_TRUE(ReadFile(path).empty());
}

}  // namespace
}  // namespace pg::platform
