// PolyDraw as GDI recorded it (recorded/gdi_polydraw.emf, from
// tests/tools/record_metafiles.cpp): an open figure of lines and a curve, a
// closed one, and a figure filled as a path; once with 16-bit points
// (EMR_POLYDRAW16, above) and once with 32-bit ones (EMR_POLYDRAW, below).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/bitmap.h"
#include "platform/picture_files.h"
#include "support/recorded_picture.h"

namespace pg::platform {
namespace {

bool Near(std::uint32_t a, std::uint32_t b) {
  for (int s = 0; s <= 16; s += 8)
    if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > 24) return false;
  return true;
}

TEST(PolyDraw, FiguresOfBothRecordsAreDrawn) {
  const auto drawn = pg::testing::DrawRecorded("gdi_polydraw.emf", "poly_draw.png");
  ASSERT_TRUE(drawn);
  Bitmap& b = *drawn;
  constexpr std::uint32_t kBluePen = 0x005AC8, kOrange = 0xF07800, kRedPen = 0xA0003C, kGreen = 0x00A05A;
  for (int dy : {0, 150}) {
    const std::uint32_t pen = dy ? kRedPen : kBluePen;
    // The open figure: its first line, and nothing where a closing line would run.
    EXPECT_TRUE(Near(b.Pixel(70, 20 + dy), pen)) << dy;
    EXPECT_EQ(b.Pixel(40, 30 + dy), 0xFFFFFFu) << dy;
    // The closed figure: its first line and the line that closes it.
    EXPECT_TRUE(Near(b.Pixel(260, 20 + dy), pen)) << dy;
    EXPECT_TRUE(Near(b.Pixel(225, 40 + dy), pen)) << dy;
    // The figure filled as a path, and its line only figure's triangle.
    EXPECT_TRUE(Near(b.Pixel(100, 140 + dy), dy ? kGreen : kOrange)) << dy;
    EXPECT_TRUE(Near(b.Pixel(310, 135 + dy), dy ? kGreen : kOrange)) << dy;
  }
}

}  // namespace
}  // namespace pg::platform
