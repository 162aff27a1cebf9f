// Gradient backgrounds of the chart panel: where each direction puts its start
// and end colour, and where the bands of a tall panel change.
#include <gtest/gtest.h>

#include <set>

#include "charts/chart_form_design.h"
#include "framework/arith.h"
#include "platform/bitmap.h"

namespace {

using namespace pg::engine;
using pg::platform::TRect;

constexpr pg::TColor kRed = 0x0000FF, kBlue = 0xFF0000, kBlack = 0, kWhite = 0xFFFFFF;
constexpr std::uint32_t kRedPx = 0xFF0000, kBluePx = 0x0000FF;

struct GradientPanel : ::testing::Test {
  TChart chart;
  TPieSeries pie;
  void SetUp() override {
    pg::charts::ApplyChartFormDesign(chart, pie);
    chart.Legend().SetVisible(false);
  }
  std::unique_ptr<pg::platform::Bitmap> Draw(TGradientDirection d, pg::TColor start, pg::TColor end, int w = 120,
                                             int h = 80) {
    auto& g = chart.Gradient();
    g.SetVisible(true);
    g.SetDirection(d);
    g.SetStartColor(start);
    g.SetEndColor(end);
    return chart.CreatePicture(pg::clWhite, TRect{0, 0, w, h});
  }
};

// Step k of n from red to blue, as a pixel.
std::uint32_t Step(int k, int n) {
  return static_cast<std::uint32_t>(255 + pg::MulDiv(k, -255, n)) << 16 | static_cast<std::uint32_t>(pg::MulDiv(k, 255, n));
}

bool SamePictures(const pg::platform::Bitmap& a, const pg::platform::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

TEST_F(GradientPanel, VerticalAndHorizontalRunFromTheStartEdge) {
  using D = TGradientDirection;
  auto topBottom = Draw(D::gdTopBottom, kRed, kBlue);
  topBottom->SavePng("gradient_top_bottom.png");
  EXPECT_EQ(topBottom->Pixel(60, 79), kRedPx);  // the start colour at the bottom
  EXPECT_EQ(topBottom->Pixel(60, 0), kBluePx);
  // Both vertical directions, and both horizontal ones, are the same picture.
  EXPECT_TRUE(SamePictures(*topBottom, *Draw(D::gdBottomTop, kRed, kBlue)));
  auto leftRight = Draw(D::gdLeftRight, kRed, kBlue);
  EXPECT_EQ(leftRight->Pixel(119, 40), kRedPx);  // start at the right edge
  EXPECT_EQ(leftRight->Pixel(0, 40), kBluePx);
  EXPECT_TRUE(SamePictures(*leftRight, *Draw(D::gdRightLeft, kRed, kBlue)));
}

TEST_F(GradientPanel, CentreAndCornerSweeps) {
  using D = TGradientDirection;
  auto centre = Draw(D::gdFromCenter, kRed, kBlue);
  centre->SavePng("gradient_from_center.png");
  EXPECT_EQ(centre->Pixel(0, 0), kRedPx);
  EXPECT_EQ(centre->Pixel(119, 79), kRedPx);
  EXPECT_EQ(centre->Pixel(0, 40), kRedPx);
  // The innermost ring is step 59 + 40 of 60 + 40.
  EXPECT_EQ(centre->Pixel(60, 40), Step(99, 100));

  auto topLeft = Draw(D::gdFromTopLeft, kRed, kBlue);
  topLeft->SavePng("gradient_from_top_left.png");
  EXPECT_EQ(topLeft->Pixel(0, 0), kRedPx);
  EXPECT_EQ(topLeft->Pixel(119, 79), Step(199, 200));  // the last column of the sweep
  const std::uint32_t midTop = topLeft->Pixel(119, 0), midBottom = topLeft->Pixel(0, 79);
  EXPECT_NE(midTop, kRedPx);
  EXPECT_NE(midTop, kBluePx);
  EXPECT_NE(midBottom, kBluePx);

  auto bottomLeft = Draw(D::gdFromBottomLeft, kRed, kBlue);
  bottomLeft->SavePng("gradient_from_bottom_left.png");
  EXPECT_EQ(bottomLeft->Pixel(0, 79), kRedPx);
  EXPECT_EQ(bottomLeft->Pixel(119, 0), Step(199, 200));
}

TEST_F(GradientPanel, TallPanelHas256BandsAtMulDivBoundaries) {
  constexpr int kHeight = 1000;
  auto p = Draw(TGradientDirection::gdTopBottom, kBlack, kWhite, 10, kHeight);
  // Band k is grey k (255 steps from black to white), counted from the bottom.
  std::set<std::uint32_t> colours;
  for (int y = 0; y < kHeight; ++y) colours.insert(p->Pixel(5, y));
  EXPECT_EQ(colours.size(), 256u);
  for (int k = 0; k < 256; ++k) {
    const auto grey = static_cast<std::uint32_t>(k) * 0x010101u;
    const int top = kHeight - pg::MulDiv(k + 1, kHeight, 256), bottom = kHeight - pg::MulDiv(k, kHeight, 256);
    ASSERT_EQ(p->Pixel(5, top), grey) << "band " << k;
    ASSERT_EQ(p->Pixel(5, bottom - 1), grey) << "band " << k;
  }
}

TEST_F(GradientPanel, OnePixelAndEmptyPanels) {
  // A single band takes the start colour; a panel 0 high paints nothing.
  EXPECT_EQ(Draw(TGradientDirection::gdTopBottom, kRed, kBlue, 5, 1)->Pixel(2, 0), kRedPx);
  EXPECT_EQ(Draw(TGradientDirection::gdFromCenter, kRed, kBlue, 1, 1)->Pixel(0, 0), kRedPx);
  EXPECT_TRUE(Draw(TGradientDirection::gdFromTopLeft, kRed, kBlue, 5, 0)->Empty());
}

}  // namespace
