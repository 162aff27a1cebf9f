// A font's width (a LOGFONT's lfWidth) condenses or expands its characters to
// that average width, on both backends and in metafiles GDI recorded
// (recorded/gdi_widths.emf and .wmf, from tests/tools/record_metafiles.cpp).
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/bitmap.h"
#include "platform/picture_files.h"

namespace pg::platform {
namespace {

TEST(FontWidth, CharactersTakeTheAverageWidthAsked) {
  Bitmap b(400, 60);
  auto& dc = b.Dc();
  Font font;
  font.face = "Arial";
  font.height = -30;
  dc.SetFont(font);
  const TextMetrics natural = dc.GetFontMetrics();
  const int wide = dc.TextExtent("Pie 42 chart").cx;
  ASSERT_GT(natural.aveCharWidth, 4);
  for (const int factor : {2, -2}) {  // twice and half as wide
    font.width = factor > 0 ? natural.aveCharWidth * 2 : natural.aveCharWidth / 2;
    dc.SetFont(font);
    const TextMetrics m = dc.GetFontMetrics();
    const int extent = dc.TextExtent("Pie 42 chart").cx;
    const double expected = factor > 0 ? wide * 2.0 : wide / 2.0;
    EXPECT_NEAR(extent, expected, expected * 0.15) << font.width;
    EXPECT_NEAR(m.aveCharWidth, font.width, 1) << font.width;
    EXPECT_EQ(m.height, natural.height) << font.width;  // only across
  }
  // Widths no font has still measure and draw.
  for (const int extreme : {INT_MAX, INT_MIN, -5}) {
    font.width = extreme;
    dc.SetFont(font);
    EXPECT_GE(dc.TextExtent("Pie").cx, 0);
    dc.TextOutAt(0, 0, "Pie");
  }
}

// The text's rightmost dark pixel in rows [top, bottom).
int RightEdge(Bitmap& b, int top, int bottom) {
  int right = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < b.Width(); ++x)
      if ((b.Pixel(x, y) & 0xFF) < 100) right = std::max(right, x);
  return right;
}

TEST(FontWidth, RecordedWidthsCondenseAndExpand) {
  for (const char* name : {"recorded/gdi_widths.emf", "recorded/gdi_widths.wmf"}) {
    std::ifstream f(std::string(PG_TEST_DATA) + "/pictures/" + name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
    const bool enhanced = std::string(name).ends_with(".emf");
    auto p = DecodePicture(enhanced ? PictureFormat::kEnhancedMetafile : PictureFormat::kWindowsMetafile, bytes);
    ASSERT_TRUE(p) << name;
    Bitmap b(400, 300);
    b.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0xFFFFFF, nullptr});
    b.Dc().FillRect(TRect{0, 0, 400, 300});
    p->Draw(b.Dc(), TRect{0, 0, 400, 300});
    // Each face: its own proportion, then widths 6, 11 and 24, 36 pixels apart.
    for (int face = 0; face < 2; ++face) {
      const int top = 10 + face * 4 * 36;
      const int own = RightEdge(b, top, top + 36), narrow = RightEdge(b, top + 36, top + 72),
                wide = RightEdge(b, top + 108, top + 144);
      EXPECT_LT(narrow, own - 40) << name << " " << face;
      EXPECT_GT(wide, own + 40) << name << " " << face;
    }
  }
}

}  // namespace
}  // namespace pg::platform
