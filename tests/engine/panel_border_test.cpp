// The border band in the panel colour: where it lies at every width, and that
// any width paints at once.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "legend_support.h"

namespace {

using namespace legend_test;
using pg::engine::TBevelCut;
using pg::platform::TPoint;

constexpr pg::TColor kBand = 0x0000C0;  // a red no gradient step makes

// The band shows over a gradient from white to blue, which never holds kBand.
struct Border : ::testing::Test, FourSlices {
  void SetUp() override {
    chart.SetColor(kBand);
    chart.Gradient().SetVisible(true);
    chart.Gradient().SetStartColor(pg::clWhite);
    chart.Gradient().SetEndColor(kBlue);
    // The legend and marks may lie anywhere on the panel; the pie stays within the plot.
    chart.Legend().SetVisible(false);
    pie.Marks().SetVisible(false);
  }
  // Whether exactly the pixels within `width` of the edge of `inside` show the band.
  ::testing::AssertionResult BandIs(const TRect& inside, int width) {
    for (int y = 0; y < picture->Height(); ++y)
      for (int x = 0; x < picture->Width(); ++x) {
        if (x < inside.left || y < inside.top || x >= inside.right || y >= inside.bottom) continue;
        const bool inBand = x < inside.left + width || y < inside.top + width || x >= inside.right - width ||
                            y >= inside.bottom - width;
        // Inside the band the chart draws its plot, title and legend; the band's
        // inner edge is all that counts there.
        const bool innerEdge = x == inside.left + width || y == inside.top + width ||
                               x == inside.right - width - 1 || y == inside.bottom - width - 1;
        const bool isBand = picture->Pixel(x, y) == Px(kBand);
        if (inBand && !isBand) return ::testing::AssertionFailure() << "no band at " << x << "," << y;
        if (!inBand && innerEdge && isBand) return ::testing::AssertionFailure() << "band at " << x << "," << y;
      }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(Border, BandCoversExactlyItsWidth) {
  for (const int width : {0, 1, 2, 5, 17, 60, 122}) {
    SCOPED_TRACE(width);
    chart.SetBorderWidth(width);
    Draw();
    EXPECT_TRUE(BandIs(TRect{0, 0, 524, 246}, width));
  }
  chart.SetBorderWidth(9);
  Draw();
  SaveZoomed(TRect{0, 0, 60, 40}, 4, "border_band9_zoom.png");
}

TEST_F(Border, BandLiesInsideTheOuterBevel) {
  chart.SetBevelOuter(TBevelCut::bvRaised);
  chart.SetBevelWidth(2);
  chart.SetBorderWidth(4);
  Draw();
  EXPECT_TRUE(BandIs(TRect{2, 2, 522, 244}, 4));
  EXPECT_NE(picture->Pixel(1, 100), Px(kBand));
  EXPECT_NE(picture->Pixel(522, 100), Px(kBand));
}

// A band wider than half the panel covers all of it, at once whatever its width.
TEST_F(Border, WideBandsFillThePanelAtOnce) {
  for (const int width : {123, 124, 262, 100000, INT_MAX}) {
    SCOPED_TRACE(width);
    chart.SetBorderWidth(width);
    const auto start = std::chrono::steady_clock::now();
    Draw();
    // Only a frozen paint fails this; the benchmarks hold the real bound.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    for (const TPoint p : {TPoint{0, 0}, TPoint{262, 123}, TPoint{523, 245}, TPoint{130, 200}})
      EXPECT_EQ(picture->Pixel(p.x, p.y), Px(kBand)) << p.x << "," << p.y;
  }
}

}  // namespace
