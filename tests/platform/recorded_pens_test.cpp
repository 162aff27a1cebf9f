// Pens as GDI recorded them (recorded/gdi_pens.emf and gdi_pens_placeable.wmf,
// from tests/tools/record_metafiles.cpp). The recorder wrote the pens made by
// ExtCreatePen (flat, square and round ends; bevel, mitre and round joins; a
// user style; a dash-dot) as plain pens with the whole style in their style
// word, and GDI draws such plain pens solid with round ends and joins.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/bitmap.h"
#include "support/recorded_picture.h"

namespace pg::platform {
namespace {

bool Near(std::uint32_t p, std::uint32_t colour) {
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>(p >> shift & 0xFF), b = static_cast<int>(colour >> shift & 0xFF);
    if (a - b > 16 || b - a > 16) return false;
  }
  return true;
}

TEST(RecordedPens, PlainPensWithExtendedStylesAreSolidAndRound) {
  for (const std::string name : {"gdi_pens.emf", "gdi_pens_placeable.wmf"}) {
    const auto drawn = pg::testing::DrawRecorded(name, name + ".png");
    ASSERT_TRUE(drawn) << name;
    const Bitmap& b = *drawn;
    // Nine bent lines from (x, 200) up to (x + 14, 155) and down to (x + 30, 200),
    // 9 wide: a round end reaches 4 pixels below its end point, a flat or square
    // one 1 or 3 pixels off to one side.
    for (int c = 0; c < 3; ++c)
      for (int j = 0; j < 3; ++j) {
        const std::uint32_t colour = static_cast<std::uint32_t>(40 + 80 * c) << 16 | (60 * j) << 8 | (200 - 60 * j);
        const int x = 20 + (c * 3 + j) * 42;
        EXPECT_TRUE(Near(b.Pixel(x, 203), colour)) << name << " " << c << j;
        EXPECT_TRUE(Near(b.Pixel(x + 30, 203), colour)) << name << " " << c << j;
        // The top corner is round: nothing where a mitre would point.
        EXPECT_FALSE(Near(b.Pixel(x + 14, 150), colour)) << name << " " << c << j;
      }
    // The user-styled line and the dash-dot zigzag run unbroken.
    int gaps = 0;
    for (int x = 24; x < 376; ++x) gaps += !Near(b.Pixel(x, 230), 0x003CDC);
    for (int x = 24; x < 96; ++x) gaps += !Near(b.Pixel(x, 290 - (x - 20) / 2), 0xDC0000);
    EXPECT_EQ(gaps, 0) << name;
  }
}

}  // namespace
}  // namespace pg::platform
