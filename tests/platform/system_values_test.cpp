// System colours and screen metrics: both builds answer what the Windows build
// sees under the test display.
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/screen_metrics.h"

namespace pg::platform {
namespace {

TEST(SystemValues, SystemColoursResolveLikeTheTestPrefix) {
  EXPECT_EQ(SysColor(15), 0xF5F5F5u);  // button face
  EXPECT_EQ(SysColor(16), 0xA6A6A6u);  // button shadow
  EXPECT_EQ(SysColor(20), 0xFFFFFFu);  // button highlight
  EXPECT_EQ(SysColor(5), 0xFFFFFFu);   // window
  EXPECT_EQ(SysColor(8), 0x000000u);   // window text
  EXPECT_EQ(ColorToRgb(0xFF00000F), SysColor(15));
  EXPECT_EQ(ColorToRgb(0x0200FF00), 0x0000FF00u);
  EXPECT_EQ(ColorToRgb(0x20000000), 0u);
  EXPECT_EQ(SysColor(-1), 0u);
  EXPECT_EQ(SysColor(200), 0u);
}

TEST(SystemValues, ScreenMetricsAreThoseOfTheTestDisplay) {
  const ScreenMetrics m = Screen();
  EXPECT_EQ(m.pixelsPerInch, 96);
  EXPECT_EQ(ScreenPixelsPerInch(), 96);
  EXPECT_GT(m.widthPixels, 0);
  EXPECT_GT(m.heightPixels, 0);
  EXPECT_GT(m.widthMm, 0);
  EXPECT_GT(m.heightMm, 0);
  EXPECT_GE(m.bitsPerPixel, 24);
  // Square pixels: millimetres follow the pixel counts at 96 per inch.
  EXPECT_NEAR(m.widthMm, m.widthPixels * 25.4 / 96, 1.0);
  EXPECT_NEAR(m.heightMm, m.heightPixels * 25.4 / 96, 1.0);
}

}  // namespace
}  // namespace pg::platform
