// Per-pixel alpha as GDI records it (recorded/gdi_alpha.emf, from
// tests/tools/record_metafiles.cpp): a 32-bit DIB section blended with
// AC_SRC_ALPHA goes into the file with colour masks (BI_BITFIELDS), and its
// pixels blend over the stripes beneath, alone and under a constant half.
// The expected colours are GDI's own picture of the file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/recorded_picture.h"

namespace pg::platform {
namespace {

TEST(RecordedAlpha, MaskedDibSectionsBlendByTheirOwnAlpha) {
  const auto drawn = pg::testing::DrawRecorded("gdi_alpha.emf", "recorded_alpha.png");
  ASSERT_TRUE(drawn);
  struct Expected {
    int x, y;
    int r, g, b;
  };
  const Expected expected[] = {
      {24, 40, 255, 251, 251},   // nearly clear red over white
      {120, 40, 255, 133, 0},    // half red over yellow
      {180, 40, 176, 15, 15},    // most of red over dark grey
      {270, 40, 250, 3, 0},      // opaque red
      {120, 100, 154, 133, 101}, // half blue over yellow
      {270, 100, 0, 3, 250},     // opaque blue
      {120, 170, 255, 176, 0},   // a quarter of red over yellow: half of half
      {270, 170, 125, 82, 0},    // opaque red at half over green
      {270, 230, 0, 82, 125},    // opaque blue at half over green
      {330, 30, 255, 116, 0},    // unstretched, over yellow
      {360, 60, 2, 2, 244},      // unstretched, over dark grey
  };
  for (const Expected& e : expected) {
    const std::uint32_t p = drawn->Pixel(e.x, e.y);
    const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    EXPECT_LE(std::abs(r - e.r), 16) << e.x << "," << e.y;
    EXPECT_LE(std::abs(g - e.g), 16) << e.x << "," << e.y;
    EXPECT_LE(std::abs(b - e.b), 16) << e.x << "," << e.y;
  }
}

}  // namespace
}  // namespace pg::platform
