// Ternary raster operations as GDI recorded them (recorded/gdi_rops.emf and
// gdi_rops.wmf, from tests/tools/record_metafiles.cpp): one bitmap stretched
// through twelve codes onto stripes under a hatched brush, and DIBs stretched
// by odd factors to odd places.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/bitmap.h"
#include "support/recorded_picture.h"

namespace pg::platform {
namespace {

constexpr std::uint8_t kDiagCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
constexpr std::uint32_t kStripeA = 0xFAD23C, kStripeB = 0x286EC8;

int Green(std::uint32_t p) { return static_cast<int>(p >> 8 & 0xFF); }
bool Stripe(std::uint32_t p) { return p == kStripeA || p == kStripeB; }

TEST(RecordedRasterOperations, HatchedBrushPatternsTheMixAndStretchesLandInPlace) {
  for (const std::string name : {"gdi_rops.emf", "gdi_rops.wmf"}) {
    const auto drawn = pg::testing::DrawRecorded(name, name + ".png");
    ASSERT_TRUE(drawn) << name;
    const Bitmap& b = *drawn;
    // MERGECOPY (pattern AND source) over 75..133 x 80..132: on the hatch's
    // lines the source keeps only the brush's bits (no green in it); between
    // them it is the source itself. The portable build lays the hatch from the
    // surface's origin as fills lay it; Wine's GDI lays it from a point that
    // moves with the scale, so there the lines are found where they are.
    const auto pixels = [&](int ox, int oy, int& onLine, int& greenOnLine, int& greenBetween) {
      onLine = greenOnLine = greenBetween = 0;
      for (int y = 84; y < 128; ++y)
        for (int x = 79; x < 129; ++x) {
          const bool line = (kDiagCross[(y + oy) & 7] >> ((x + ox) & 7)) & 1;
          const bool green = Green(b.Pixel(x, y)) > 16;
          onLine += line;
          greenOnLine += line && green;
          greenBetween += !line && green;
        }
    };
    int onLine = 0, greenOnLine = 0, greenBetween = 0, bestX = 0, bestY = 0, fewest = 1 << 30;
    for (int oy = 0; oy < 8; ++oy)
      for (int ox = 0; ox < 8; ++ox) {
        pixels(ox, oy, onLine, greenOnLine, greenBetween);
        if (greenOnLine < fewest) {
          fewest = greenOnLine;
          bestX = ox;
          bestY = oy;
        }
      }
#ifndef _WIN32
    bestX = bestY = 0;
#endif
    pixels(bestX, bestY, onLine, greenOnLine, greenBetween);
    EXPECT_GT(onLine, 400) << name;
    EXPECT_EQ(greenOnLine, 0) << name;
    EXPECT_GT(greenBetween, 600) << name;
    // A 32 x 24 DIB stretched onto 13..110 x 163..224: it covers its box to
    // the pixel, stripes on either side.
    for (int y : {170, 190, 215}) {
      EXPECT_TRUE(Stripe(b.Pixel(12, y))) << name << " " << y;
      EXPECT_FALSE(Stripe(b.Pixel(13, y))) << name << " " << y;
      EXPECT_FALSE(Stripe(b.Pixel(109, y))) << name << " " << y;
      EXPECT_TRUE(Stripe(b.Pixel(110, y))) << name << " " << y;
    }
    // Part of it (23 x 17 from 3, 2) onto 131..202 x 157..276.
    EXPECT_TRUE(Stripe(b.Pixel(130, 200))) << name;
    EXPECT_FALSE(Stripe(b.Pixel(131, 200))) << name;
    EXPECT_FALSE(Stripe(b.Pixel(201, 200))) << name;
    EXPECT_TRUE(Stripe(b.Pixel(202, 200))) << name;
  }
}

}  // namespace
}  // namespace pg::platform
