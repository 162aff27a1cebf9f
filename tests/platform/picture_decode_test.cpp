// Picture files as the platform reads them: natural extents, the layout of
// each test picture where it is drawn, transparency, clipping, and bytes that
// must be refused rather than read past.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

#include "platform/bitmap.h"
#include "platform/image_files.h"
#include "platform/picture_files.h"
#include "platform/picture/picture_headers.h"
#include "support/under_wine.h"

namespace pg::platform {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00, kWhite = 0xFFFFFF;

std::vector<std::uint8_t> ReadData(const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

std::unique_ptr<PictureImage> Decode(PictureFormat f, const std::string& name) {
  const auto bytes = ReadData(name);
  EXPECT_FALSE(bytes.empty()) << name;
  return DecodePicture(f, bytes);
}

// Nearly the colour: metafile edges may be smoothed.
bool Near(std::uint32_t a, std::uint32_t b) {
  for (int s = 0; s <= 16; s += 8)
    if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > 8) return false;
  return true;
}

TEST(PictureDecode, BitmapsKeepTheirQuadrantsWhenStretched) {
  for (const char* name : {"quadrants.bmp", "quadrants8.bmp"}) {
    auto p = Decode(PictureFormat::kBitmap, name);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->Extent(), (PictureExtent{40, 30, 0}));
    Bitmap b(80, 60);
    p->Draw(b.Dc(), TRect{0, 0, 80, 60});
    EXPECT_EQ(b.Pixel(10, 10), kRed) << name;
    EXPECT_EQ(b.Pixel(70, 10), kGreen) << name;
    EXPECT_EQ(b.Pixel(10, 50), kBlue) << name;
    EXPECT_EQ(b.Pixel(70, 50), kYellow) << name;
  }
}

TEST(PictureDecode, IconMaskLetsTheBackgroundShow) {
  auto p = Decode(PictureFormat::kIcon, "square.ico");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Extent(), (PictureExtent{16, 16, 0}));
  Bitmap b(32, 32);
  b.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0x00FF00, nullptr});
  b.Dc().FillRect(TRect{0, 0, 32, 32});
  p->Draw(b.Dc(), TRect{0, 0, 32, 32});
  b.SavePng("picture_icon.png");
  EXPECT_EQ(b.Pixel(16, 16), kRed);
  EXPECT_EQ(b.Pixel(2, 2), kGreen);
  EXPECT_EQ(b.Pixel(29, 29), kGreen);
}

TEST(PictureDecode, MetafilesPlayScaledIntoTheirRectangle) {
  auto emf = Decode(PictureFormat::kEnhancedMetafile, "halves.emf");
  auto wmf = Decode(PictureFormat::kWindowsMetafile, "halves.wmf");
  ASSERT_TRUE(emf);
  ASSERT_TRUE(wmf);
  EXPECT_EQ(emf->Extent(), (PictureExtent{1270, 635, 2540}));  // 48 x 24 pixels at 96 per inch
  EXPECT_EQ(wmf->Extent(), (PictureExtent{48, 24, 96}));
  for (auto* p : {emf.get(), wmf.get()}) {
    Bitmap b(120, 60);
    p->Draw(b.Dc(), TRect{10, 5, 110, 55});
    b.SavePng(p == emf.get() ? "picture_emf.png" : "picture_wmf.png");
    EXPECT_TRUE(Near(b.Pixel(30, 30), kRed));
    EXPECT_TRUE(Near(b.Pixel(90, 30), kBlue));
    EXPECT_EQ(b.Pixel(5, 30), kWhite);  // outside the rectangle nothing is drawn
    EXPECT_EQ(b.Pixel(115, 30), kWhite);
    EXPECT_EQ(b.Pixel(60, 2), kWhite);
  }
}

// A header counting more colours than its depth has reads as the whole palette,
// not as a palette of gigabytes.
TEST(PictureDecode, ColourCountBeyondTheDepthReadsAsTheFullPalette) {
  auto bytes = EncodeBmp(4, 2, 1, [](int x, int) { return x < 2 ? 0u : kWhite; });
  const std::uint8_t used[4] = {0x00, 0x20, 0xFF, 0xFF};
  std::copy(std::begin(used), std::end(used), bytes.begin() + 46);
  auto p = DecodePicture(PictureFormat::kBitmap, bytes);
  ASSERT_TRUE(p);
  Bitmap b(4, 2);
  p->Draw(b.Dc(), TRect{0, 0, 4, 2});
  EXPECT_EQ(b.Pixel(0, 0), 0u);
  EXPECT_EQ(b.Pixel(3, 1), kWhite);
}

TEST(PictureDecode, DamagedFilesAreRefused) {
  const auto bmp = ReadData("quadrants.bmp"), emf = ReadData("halves.emf"), wmf = ReadData("halves.wmf"),
             ico = ReadData("square.ico");
  auto cut = [](std::vector<std::uint8_t> v, std::size_t n) {
    v.resize(n);
    return v;
  };
  EXPECT_FALSE(DecodePicture(PictureFormat::kBitmap, cut(bmp, bmp.size() - 100)));
  EXPECT_FALSE(DecodePicture(PictureFormat::kBitmap, cut(bmp, 20)));
  EXPECT_FALSE(DecodePicture(PictureFormat::kIcon, cut(ico, ico.size() - 10)));
  EXPECT_FALSE(DecodePicture(PictureFormat::kEnhancedMetafile, cut(emf, emf.size() - 20)));  // no end record
  EXPECT_FALSE(DecodePicture(PictureFormat::kWindowsMetafile, cut(wmf, wmf.size() - 6)));
  EXPECT_FALSE(DecodePicture(PictureFormat::kBitmap, std::vector<std::uint8_t>{}));
  EXPECT_FALSE(DecodePicture(PictureFormat::kBitmap, wmf));  // another format's bytes
  EXPECT_FALSE(DecodePicture(PictureFormat::kEnhancedMetafile, wmf));

  // A bitmap whose header claims more pixels than any bitmap may hold.
  auto huge = bmp;
  huge[18] = huge[19] = 0xFF, huge[20] = 0x7F;
  EXPECT_FALSE(DecodePicture(PictureFormat::kBitmap, huge));
  // An enhanced-metafile record whose size runs past the end.
  auto runaway = emf;
  runaway[88 + 4] = 0xF0;
  EXPECT_FALSE(ReadEmfExtent(runaway));
  // A placeable header with a wrong checksum.
  auto sum = wmf;
  sum[20] ^= 1;
  EXPECT_FALSE(ReadWmfLayout(sum));
  // A metafile header whose largest record is bigger than the file: refused
  // before a decoder sizes a buffer by it.
  auto greedy = wmf;
  greedy[22 + 14] = 0x70, greedy[22 + 15] = 0x66;
  EXPECT_FALSE(ReadWmfLayout(greedy));
  EXPECT_FALSE(DecodePicture(PictureFormat::kWindowsMetafile, greedy));
}

// A header whose description has no length, or does not lie within the header
// record, still draws: the description is not read (the sanitized suite would
// see a read past the file).
TEST(PictureDecode, EmfDescriptionOutsideItsHeaderIsNotRead) {
  const auto emf = ReadData("halves.emf");
  auto put = [](std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    for (std::size_t i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
  };
  for (const std::uint32_t length : {0u, 2u, 0x40000000u}) {
    auto stray = emf;
    put(stray, 60, length);
    put(stray, 64, static_cast<std::uint32_t>(stray.size() - 2));
    stray[stray.size() - 2] = stray[stray.size() - 1] = 'A';
    auto p = DecodePicture(PictureFormat::kEnhancedMetafile, stray);
    ASSERT_TRUE(p) << length;
    EXPECT_EQ(p->Extent(), Decode(PictureFormat::kEnhancedMetafile, "halves.emf")->Extent()) << length;
  }
}

// Without a frame an enhanced metafile measures its bounds, both edges counted;
// bounds across the whole integer range give the largest extent, not a negative one.
TEST(PictureDecode, EmfBoundsAsWideAsTheIntegerRangeStayPositive) {
  auto emf = ReadData("halves.emf");
  std::fill(emf.begin() + 24, emf.begin() + 40, std::uint8_t{0});  // no frame
  auto put = [&emf](std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) emf[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(8, 0x80000000u), put(12, 0), put(16, 0x7FFFFFFFu), put(20, 9);
  const auto extent = ReadEmfExtent(emf);
  ASSERT_TRUE(extent);
  EXPECT_EQ(*extent, (PictureExtent{std::numeric_limits<int>::max(), 10, 0}));
}

// A bitmap in a metafile record whose headers do not hold together sent the
// decoder into an endless loop; the whole file is refused before it is decoded.
TEST(PictureDecode, MetafileBitmapRecordsNeedSoundBitmaps) {
  for (const char* name : {"dibbitblt", "dibstretchblt", "stretchdib", "setdibtodev", "dibcreatepatternbrush",
                           "dibstretchblt_nobitmap", "dibbitblt_short", "dibcreatepatternbrush_wide",
                           "after_odd_end"}) {
    const auto bytes = ReadData(std::string("hostile/") + name + ".wmf");
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_FALSE(ReadWmfLayout(bytes)) << name;
    EXPECT_FALSE(DecodePicture(PictureFormat::kWindowsMetafile, bytes)) << name;
  }
  // Each kind with a sound bitmap, a palette of indices, and transfers that need none.
  const auto sound = ReadData("bitmap_records.wmf");
  EXPECT_TRUE(ReadWmfLayout(sound));
  // Wine's GDI faults converting this file: its metafile recorder breaks on a
  // bitmap set to the device followed by any record.
  if (!pg::testing::UnderWine()) {
    EXPECT_TRUE(DecodePicture(PictureFormat::kWindowsMetafile, sound));
  }
}

TEST(PictureDecode, PackedBitmapHeadersMustDescribeABitmap) {
  const auto file = EncodeBmp(3, 2, 24, [](int, int) { return kRed; });
  std::vector<std::uint8_t> dib(file.begin() + 14, file.end());
  const auto layout = ReadPackedBitmapLayout(dib);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->width, 3);
  EXPECT_EQ(layout->bitsOffset, 40u);
  for (const std::uint8_t size : {0, 1, 13, 39, 200}) {
    auto broken = dib;
    broken[0] = size;
    EXPECT_FALSE(ReadPackedBitmapLayout(broken)) << int{size};
  }
  auto cut = dib;
  cut.pop_back();  // the last row is short
  EXPECT_FALSE(ReadPackedBitmapLayout(cut));
  // Two colours as indices into the current palette take 4 bytes, not 8.
  auto indexed = EncodeBmp(8, 1, 1, [](int x, int) { return x % 2 ? kWhite : 0u; });
  indexed.erase(indexed.begin(), indexed.begin() + 14);
  indexed.erase(indexed.begin() + 44, indexed.begin() + 48);
  EXPECT_TRUE(ReadPackedBitmapLayout(indexed, true));
  EXPECT_FALSE(ReadPackedBitmapLayout(indexed, false));
}

}  // namespace
}  // namespace pg::platform
