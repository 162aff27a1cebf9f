// Icon files as Windows shows them: PNG entries, directories whose size differs
// from the bitmap's, masks that keep or invert what is below, alpha, and the
// source pixels a stretched or tiled icon takes. On the Windows build these are
// what CreateIconFromResourceEx and DrawIconEx do.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture_files.h"

namespace pg::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

Bytes ReadData(const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

void Put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A one-entry icon of 24-bit pixels (0x00RRGGBB, top row first) and a mask
// (true: what is below shows), with the directory saying dirW x dirH.
Bytes Icon(int w, int h, const std::vector<std::uint32_t>& colour, const std::vector<bool>& mask, int dirW = 0,
           int dirH = 0) {
  Bytes dib;
  Put32(dib, 40), Put32(dib, static_cast<std::uint32_t>(w)), Put32(dib, static_cast<std::uint32_t>(2 * h));
  dib.insert(dib.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = colour[static_cast<std::size_t>(y * w + x)];
      dib.insert(dib.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c >> 16)});
    }
    dib.resize((dib.size() - 40 + 3) / 4 * 4 + 40, 0);
  }
  for (int y = h - 1; y >= 0; --y) {
    Bytes row((static_cast<std::size_t>(w) + 31) / 32 * 4, 0);
    for (int x = 0; x < w; ++x)
      if (mask[static_cast<std::size_t>(y * w + x)]) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    dib.insert(dib.end(), row.begin(), row.end());
  }
  Bytes file = {0, 0, 1, 0, 1, 0, static_cast<std::uint8_t>(dirW ? dirW : w), static_cast<std::uint8_t>(dirH ? dirH : h),
                0, 0, 1, 0, 24, 0};
  Put32(file, static_cast<std::uint32_t>(dib.size())), Put32(file, 22);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

// The picture drawn into dest over a bitmap of size, filled with `below`.
std::unique_ptr<Bitmap> DrawnOver(const PictureImage& p, int width, int height, const TRect& dest,
                                  std::uint32_t below) {
  auto b = std::make_unique<Bitmap>(width, height);
  b->Dc().SetBrush(Brush{BrushStyle::bsSolid, Rgb(static_cast<int>(below >> 16), static_cast<int>((below >> 8) & 0xFF),
                                                  static_cast<int>(below & 0xFF)),
                         nullptr});
  b->Dc().FillRect(TRect{0, 0, width, height});
  p.Draw(b->Dc(), dest);
  return b;
}

TEST(IconReader, PngEntriesLoadWithTheirAlpha) {
  // Pillow writes every entry as a PNG: left half opaque red, bottom right blue at alpha 128.
  const auto bytes = ReadData("pillow_png16.ico");
  auto p = DecodePicture(PictureFormat::kIcon, bytes);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Extent(), (PictureExtent{16, 16, 0}));
  const auto b = DrawnOver(*p, 16, 16, TRect{0, 0, 16, 16}, kGreen);
  b->SavePng("icon_png_entry.png");
  EXPECT_EQ(b->Pixel(3, 3), kRed);
  EXPECT_EQ(b->Pixel(12, 3), kGreen);
  EXPECT_EQ(b->Pixel(12, 12), 0x007F80u);  // 128 of blue over 127 of green
  // A PNG the file cuts short is refused, as is a PNG that is not one.
  Bytes cut(bytes.begin(), bytes.end() - 20);
  cut[14] = static_cast<std::uint8_t>(cut.size() - 22);
  EXPECT_FALSE(DecodePicture(PictureFormat::kIcon, cut));
  Bytes broken = bytes;
  broken[22 + 16] ^= 0xFF;  // the header chunk's width
  EXPECT_FALSE(DecodePicture(PictureFormat::kIcon, broken));
}

TEST(IconReader, MaskKeepsOrInvertsWhatIsBelow) {
  // Mask set: black keeps the background, white inverts it; mask clear: the colour.
  const Bytes ico = Icon(3, 1, {0x000000, 0xFFFFFF, kRed}, {true, true, false});
  auto p = DecodePicture(PictureFormat::kIcon, ico);
  ASSERT_TRUE(p);
  const auto b = DrawnOver(*p, 3, 1, TRect{0, 0, 3, 1}, 0x204080);
  EXPECT_EQ(b->Pixel(0, 0), 0x204080u);
  EXPECT_EQ(b->Pixel(1, 0), 0xDFBF7Fu);
  EXPECT_EQ(b->Pixel(2, 0), kRed);
}

TEST(IconReader, DirectorySizeGivesTheIconsSize) {
  // The 16 x 16 red square on a transparent border, its directory saying 32 x 24:
  // the icon is that size, its bitmap grown into it as a stretch grows it.
  auto bytes = ReadData("square.ico");
  ASSERT_GT(bytes.size(), 22u);
  auto natural = DecodePicture(PictureFormat::kIcon, bytes);
  bytes[6] = 32, bytes[7] = 24;
  auto grown = DecodePicture(PictureFormat::kIcon, bytes);
  ASSERT_TRUE(natural);
  ASSERT_TRUE(grown);
  EXPECT_EQ(grown->Extent(), (PictureExtent{32, 24, 0}));
  const auto a = DrawnOver(*grown, 40, 30, TRect{2, 3, 34, 27}, kGreen);
  const auto b = DrawnOver(*natural, 40, 30, TRect{2, 3, 34, 27}, kGreen);
  a->SavePng("icon_directory_grown.png");
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(a->Pixel(x, y), b->Pixel(x, y)) << x << ", " << y;
  // 0 in a directory means 256.
  bytes[6] = 0, bytes[7] = 0;
  auto large = DecodePicture(PictureFormat::kIcon, bytes);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->Extent(), (PictureExtent{256, 256, 0}));
}

TEST(IconReader, StretchedIconsPickThePixelsOfTheContextsOwnStretch) {
  // An opaque icon with every pixel its own colour, against the context's
  // StretchBlt of the same pixels (on Windows: DrawIconEx against StretchBlt).
  constexpr int kW = 6, kH = 5;
  std::vector<std::uint32_t> colour;
  Bitmap source(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      colour.push_back(static_cast<std::uint32_t>(x * 40 + 7) << 16 | static_cast<std::uint32_t>(y * 50 + 9));
      source.Dc().SetPixel(x, y, Rgb(x * 40 + 7, 0, y * 50 + 9));
    }
  auto p = DecodePicture(PictureFormat::kIcon, Icon(kW, kH, colour, std::vector<bool>(kW * kH, false)));
  ASSERT_TRUE(p);
  for (const auto& [dw, dh] : {std::pair{6, 5}, {12, 10}, {13, 7}, {31, 23}, {9, 16}, {2, 2}, {4, 3}}) {
    const auto a = DrawnOver(*p, dw + 2, dh + 2, TRect{1, 1, 1 + dw, 1 + dh}, kWhite);
    Bitmap b(dw + 2, dh + 2);
    b.Dc().StretchBlt(TRect{1, 1, 1 + dw, 1 + dh}, source, TRect{0, 0, kW, kH});
    for (int y = 0; y < dh + 2; ++y)
      for (int x = 0; x < dw + 2; ++x) ASSERT_EQ(a->Pixel(x, y), b.Pixel(x, y)) << dw << " x " << dh << " at " << x << ", " << y;
  }
}

}  // namespace
}  // namespace pg::platform
