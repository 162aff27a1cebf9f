// Text whose font asks for smoothing (a picture's LOGFONT with antialiased
// quality) gets grey-level edges where the face allows it at that size; the
// module's own text stays sharp. Both backends; the recorded picture is
// recorded/gdi_widths.emf from tests/tools/record_metafiles.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>

#include "platform/bitmap.h"
#include "support/recorded_picture.h"

namespace pg::platform {
namespace {

struct Drawn {
  std::set<std::uint32_t> colours;
  int changedOutside = 0;  // pixels changed right of x = 150
};

// "Pie 42" written at (4, 4) on `ground` in `ink`, optionally clipped to the
// left half.
Drawn Write(int height, bool smooth, Color ink, Color ground, bool clipped = false) {
  Bitmap b(300, 80);
  auto& dc = b.Dc();
  dc.SetBrush(Brush{BrushStyle::bsSolid, ground, nullptr});
  dc.FillRect(TRect{0, 0, 300, 80});
  const std::uint32_t before = b.Pixel(299, 79);
  Font font;
  font.face = "Arial";
  font.height = height;
  font.smooth = smooth;
  dc.SetFont(font);
  dc.SetTextColor(ink);
  dc.SetBkMode(kTransparent);
  if (clipped) dc.ClipRect(TRect{0, 0, 150, 80});
  dc.TextOutAt(4, 4, "Pie 42 Pie");
  Drawn d;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 300; ++x) {
      d.colours.insert(b.Pixel(x, y) & 0xFFFFFF);
      if (x >= 150 && (b.Pixel(x, y) & 0xFFFFFF) != (before & 0xFFFFFF)) ++d.changedOutside;
    }
  return d;
}

TEST(SmoothText, OnlyFontsThatAskAreSmoothedAtSizesTheFaceAllows) {
  EXPECT_GT(Write(-40, true, 0, 0xFFFFFF).colours.size(), 8u);
  EXPECT_EQ(Write(-40, false, 0, 0xFFFFFF).colours.size(), 2u);
  // The face's own table keeps mid sizes sharp.
  EXPECT_EQ(Write(-13, true, 0, 0xFFFFFF).colours.size(), 2u);
}

TEST(SmoothText, EdgesLieBetweenInkAndGroundAndKeepToTheClip) {
  const Color red = Rgb(230, 20, 0), blue = Rgb(10, 40, 200);
  const Drawn d = Write(-40, true, red, blue);
  ASSERT_GT(d.colours.size(), 8u);
  for (const std::uint32_t c : d.colours) {
    const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
    EXPECT_TRUE(r >= 10 && r <= 230 && g >= 20 && g <= 40 && b >= 0 && b <= 200) << std::hex << c;
  }
  const Drawn clipped = Write(-40, true, 0, 0xFFFFFF, true);
  EXPECT_GT(clipped.colours.size(), 8u);
  EXPECT_EQ(clipped.changedOutside, 0);
}

TEST(SmoothText, ExtremeSizesAndPlacesFinish) {
  Bitmap b(200, 100);
  auto& dc = b.Dc();
  Font font;
  font.face = "Arial";
  font.smooth = true;
  for (const int height : {-30000, 30000, INT_MIN, INT_MAX, -1}) {
    font.height = height;
    dc.SetFont(font);
    for (const TPoint at : {TPoint{0, 0}, TPoint{INT_MAX, INT_MAX}, TPoint{INT_MIN, INT_MIN}, TPoint{-5000, 50}})
      dc.TextOutAt(at.x, at.y, "Pie");
  }
}

TEST(SmoothText, RecordedAntialiasedFontsAreSmoothed) {
  const auto drawn = pg::testing::DrawRecorded("gdi_widths.emf", "smooth_widths.png");
  ASSERT_TRUE(drawn);
  // The first line, "Pie 42 chart" at 30 pixels: black, white and greys between.
  std::set<std::uint32_t> greys;
  for (int y = 10; y < 46; ++y)
    for (int x = 0; x < 200; ++x) {
      const std::uint32_t p = drawn->Pixel(x, y) & 0xFFFFFF;
      if (p != 0 && p != 0xFFFFFF) greys.insert(p);
    }
  EXPECT_GT(greys.size(), 6u);
}

}  // namespace
}  // namespace pg::platform
