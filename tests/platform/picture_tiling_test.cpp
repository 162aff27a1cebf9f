// Tiled pictures: metafiles render one copy and repeat its pixels, which must
// look exactly as drawing copy after copy does, over a background that shows
// through what the picture leaves uncovered, within the clip.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/picture_files.h"
#include "support/under_wine.h"

namespace pg::platform {
namespace {

std::unique_ptr<PictureImage> Load(PictureFormat format, const std::string& name) {
  std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
  return DecodePicture(format, bytes);
}

// Stripes of two colours, so a copy that lands in the wrong place shows.
void Stripes(Bitmap& b) {
  for (int x = 0; x < b.Width(); x += 8) {
    b.Dc().SetBrush(Brush{BrushStyle::bsSolid, x % 16 ? 0x00C000u : 0x808080u, nullptr});
    b.Dc().FillRect(TRect{x, 0, x + 8, b.Height()});
  }
}

int Differences(const Bitmap& a, const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
  return n;
}

TEST(PictureTiling, RepeatedCopiesLookLikeCopyAfterCopy) {
  const struct {
    PictureFormat format;
    const char* name;
  } pictures[] = {{PictureFormat::kWindowsMetafile, "halves.wmf"},
                  {PictureFormat::kEnhancedMetafile, "halves.emf"},
                  // Mostly uncovered.
                  {PictureFormat::kWindowsMetafile, "bitmap_records.wmf"},
                  {PictureFormat::kBitmap, "quadrants.bmp"},
                  // A mask and colour; a PNG entry with partial alpha.
                  {PictureFormat::kIcon, "square.ico"},
                  {PictureFormat::kIcon, "pillow_png16.ico"}};
  // Copies starting off the surface, cut at its edges, and cut by a clip.
  const TRect areas[] = {{-30, -7, 190, 95}, {5, 3, 200, 100}, {0, 0, 400, 300}};
  for (const auto& picture : pictures) {
    // Wine's GDI faults converting the bitmap records (a bitmap set to the
    // device followed by any record).
    if (pg::testing::UnderWine() && std::string_view(picture.name) == "bitmap_records.wmf") continue;
    const auto p = Load(picture.format, picture.name);
    ASSERT_TRUE(p) << picture.name;
    for (const TRect& area : areas)
      for (const bool clipped : {false, true}) {
        Bitmap tiled(200, 100), single(200, 100);
        for (Bitmap* b : {&tiled, &single}) {
          Stripes(*b);
          if (clipped) b->Dc().ClipRect(TRect{20, 10, 150, 70});
        }
        p->DrawTiled(tiled.Dc(), area, 30, 14);
        p->PictureImage::DrawTiled(single.Dc(), area, 30, 14);
        EXPECT_EQ(Differences(tiled, single), 0) << picture.name << " at " << area.left << "," << area.top
                                                 << (clipped ? " clipped" : "");
        if (area.left == -30 && !clipped) tiled.SavePng(std::string("picture_tiled_") + picture.name + ".png");
      }
  }
}

// A copy of one pixel over a large surface is one rendering, not millions.
TEST(PictureTiling, TinyCopiesCoverALargeArea) {
  const auto p = Load(PictureFormat::kWindowsMetafile, "halves.wmf");
  ASSERT_TRUE(p);
  Bitmap b(2000, 2000);
  ASSERT_FALSE(b.Empty());
  p->DrawTiled(b.Dc(), TRect{0, 0, 2000, 2000}, 2, 1);
  // Each copy is squeezed into 2 x 1 pixels: its left half red, its right half blue.
  EXPECT_EQ(b.Pixel(0, 0) & 0xFF0000u, 0xFF0000u);
  EXPECT_EQ(b.Pixel(1999, 1999) & 0x0000FFu, 0x0000FFu);
  // Nothing for a copy without size, or an area far off the surface.
  Bitmap untouched(10, 10);
  p->DrawTiled(untouched.Dc(), TRect{0, 0, 10, 10}, 0, 5);
  p->DrawTiled(untouched.Dc(), TRect{-2000000000, -2000000000, -1000000000, -1000000000}, 1, 1);
  EXPECT_EQ(untouched.Pixel(5, 5), 0xFFFFFFu);
}

// The same for the pictures that hold their own pixels: a quarter of a million
// copies of a bitmap or an icon squeezed into 2 x 2 pixels are each as one drawn
// alone (under Wine an icon call per copy would take minutes).
TEST(PictureTiling, OnePixelCopiesOfBitmapsAndIcons) {
  for (const auto& [format, name] : {std::pair{PictureFormat::kBitmap, "quadrants8.bmp"},
                                     std::pair{PictureFormat::kIcon, "square.ico"},
                                     std::pair{PictureFormat::kIcon, "pillow_png16.ico"}}) {
    const auto p = Load(format, name);
    ASSERT_TRUE(p) << name;
    Bitmap one(2, 2), many(1000, 1000);
    Stripes(one), Stripes(many);
    p->Draw(one.Dc(), TRect{0, 0, 2, 2});
    p->DrawTiled(many.Dc(), TRect{0, 0, 1000, 1000}, 2, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) {
        EXPECT_EQ(many.Pixel(x, y), one.Pixel(x, y)) << name;
        EXPECT_EQ(many.Pixel(998 + x, 996 + y), one.Pixel(x, y)) << name;
      }
  }
}

}  // namespace
}  // namespace pg::platform
