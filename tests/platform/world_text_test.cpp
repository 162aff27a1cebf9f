// Text under a world transform in the advanced graphics mode turns, mirrors
// and slants with it, as GDI recorded it (recorded/gdi_worldtext.emf, from
// tests/tools/record_metafiles.cpp: "Pie 42" placed by its baseline).
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

// The text's pixels (dark blue) in [left, right) x [top, bottom).
int Ink(Bitmap& b, int left, int top, int right, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const std::uint32_t p = b.Pixel(x, y);
      n += (p >> 16 & 0xFF) < 80 && (p >> 8 & 0xFF) < 80 && (p & 0xFF) > 100;
    }
  return n;
}

TEST(WorldText, TurnsAndMirrorsWithTheWorld) {
  const auto drawn = pg::testing::DrawRecorded("gdi_worldtext.emf", "world_text.png");
  ASSERT_TRUE(drawn);
  Bitmap& b = *drawn;
  // Upside down about (380, 60): left of the point and below its baseline;
  // upright it would stand right of it, above.
  EXPECT_GT(Ink(b, 300, 60, 380, 84), 150);
  EXPECT_LT(Ink(b, 300, 36, 380, 58), 20);
  // Mirrored left to right about (380, 120): left of the point, above.
  EXPECT_GT(Ink(b, 300, 98, 380, 121), 150);
  // Mirrored top to bottom about (220, 200): right of the point, below.
  EXPECT_GT(Ink(b, 220, 200, 300, 222), 150);
  EXPECT_LT(Ink(b, 220, 176, 300, 198), 20);
  // Turned 30 degrees up from (40, 90): its end rises well above its start.
  EXPECT_GT(Ink(b, 90, 50, 130, 75), 40);
  EXPECT_LT(Ink(b, 90, 85, 130, 100), 10);
}

}  // namespace
}  // namespace pg::platform
