// Text inside a path, as GDI recorded it (recorded/gdi_textpath.emf, from
// tests/tools/record_metafiles.cpp): filled, stroked, turned, and made the
// clip for a hatch. The player takes the text's pixels' outlines into the path.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/bitmap.h"
#include "platform/metafile/pixel_outlines.h"
#include "platform/picture_files.h"
#include "support/recorded_picture.h"

namespace pg::platform {
namespace {

int Count(Bitmap& b, int left, int top, int right, int bottom, std::uint32_t colour) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) n += b.Pixel(x, y) == colour;
  return n;
}

TEST(TextPath, TextFillsStrokesAndClipsAsAPath) {
  const auto drawn = pg::testing::DrawRecorded("gdi_textpath.emf", "text_path.png");
  ASSERT_TRUE(drawn);
  Bitmap& b = *drawn;
  constexpr std::uint32_t kOrange = 0xE66E00, kPen = 0x0000A0, kHatch = 0x007800;
  EXPECT_GT(Count(b, 10, 0, 200, 64, kOrange), 1500);  // "Pie 42" filled
  EXPECT_GT(Count(b, 205, 0, 400, 64, kPen), 300);     // "Slice" outlined only
  EXPECT_EQ(Count(b, 205, 0, 400, 64, kOrange), 0);
  EXPECT_GT(Count(b, 10, 70, 200, 140, kPen), 300);    // "Chart" both
  EXPECT_GT(Count(b, 10, 70, 200, 140, kOrange), 800);
  EXPECT_GT(Count(b, 10, 195, 200, 290, kHatch), 300);  // the hatch inside "CLIP" only
  EXPECT_EQ(Count(b, 260, 195, 400, 300, kHatch), 0);
  EXPECT_EQ(Count(b, 0, 292, 400, 300, kHatch), 0);
}

// The outlines cover exactly the pixels: a ring with a hole, and two pixels
// that touch only at a corner.
TEST(TextPath, PixelOutlinesFollowThePixels) {
  const char* rows[] = {"###.", "#.#.", "####", "...#"};
  const auto set = [&](int x, int y) { return rows[y][x] == '#'; };
  const auto figures = metafile::PixelOutlines(4, 4, set);
  // Winding numbers at each pixel's centre, from the figures' edges.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      int winding = 0;
      for (const auto& f : figures)
        for (std::size_t i = 0; i < f.size(); ++i) {
          const auto a = f[i], c = f[(i + 1) % f.size()];
          if (a.x == c.x && a.x > cx && ((a.y <= cy) != (c.y <= cy))) winding += c.y > a.y ? 1 : -1;
        }
      EXPECT_EQ(winding != 0, set(x, y)) << x << "," << y;
    }
  EXPECT_TRUE(metafile::PixelOutlines(0, 5, set).empty());
}

}  // namespace
}  // namespace pg::platform
