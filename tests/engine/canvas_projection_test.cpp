#include <gtest/gtest.h>

#include <numbers>

#include "engine/canvas/chart_canvas3d.h"
#include "platform/bitmap.h"

namespace {

using namespace pg::engine;
using pg::platform::TRect;

// The chart window's view: seen from above at 45 degrees.
struct FormView : ::testing::Test {
  TView3DOptions options;
  TChartCanvas3D canvas;
  pg::platform::Bitmap target{200, 100};
  void SetUp() override {
    options.SetElevation(315);
    options.SetRotation(360);
    options.SetPerspective(0);
    options.SetOrthogonal(false);
  }
  void Begin(bool is3D = true) {
    canvas.BeginView(target.Dc(), &options, is3D, TRect{0, 0, 200, 100});
    canvas.SetProjectionCenter(0, TRect{0, 0, 200, 100}, TRect{0, 0, 200, 100});
  }
};

TEST_F(FormView, DepthMovesPointsUpAndBelowPivotLandsSevenLower) {
  Begin();
  const auto& v = canvas.View();
  EXPECT_EQ(v.pivotX, 100);
  EXPECT_EQ(v.pivotY, 50);
  EXPECT_EQ(canvas.ProjectPoint(100, 60, 0).y, 57);  // 10 below the pivot: Round(7.07)
  EXPECT_EQ(canvas.ProjectPoint(130, 50, 0).x, 130);
  EXPECT_LT(canvas.ProjectPoint(100, 50, 20).y, 50);  // deeper is higher
  int x = 0, y = 0;
  canvas.UnprojectPoint(130, 57, 0, x, y);
  EXPECT_EQ(x, 130);
  EXPECT_EQ(y, 60);
}

TEST_F(FormView, ZoomOffsetsAndFlatDrawing) {
  options.SetZoom(200);
  options.SetHorizOffset(5);
  options.SetVertOffset(-3);
  Begin();
  EXPECT_EQ(canvas.ProjectPoint(110, 50, 0).x, 125);  // twice 10 from the pivot, shifted by 5
  EXPECT_EQ(canvas.ProjectPoint(100, 50, 0).y, 47);
  canvas.BeginFlatDrawing();
  EXPECT_EQ(canvas.ProjectPoint(110, 50, 9).x, 110);
  canvas.EndFlatDrawing();
  EXPECT_EQ(canvas.ProjectPoint(110, 50, 0).x, 125);
  Begin(false);
  EXPECT_EQ(canvas.ProjectPoint(7, 9, 30).y, 9);
}

TEST_F(FormView, DegenerateAnglesAreFloored) {
  options.SetRotation(90);
  options.SetElevation(0);
  Begin();
  EXPECT_DOUBLE_EQ(canvas.View().rxx, 0.00001);
  options.SetZoom(0);
  Begin();
  int x = -1, y = -1;
  canvas.UnprojectPoint(3, 4, 0, x, y);  // nothing happens with a zero scale
  EXPECT_EQ(x, -1);
  EXPECT_EQ(canvas.ProjectPoint(170, 10, 0), (pg::platform::TPoint{100, 50}));
}

TEST(PieSlice3DGeometry, ArcPointsAndDarkening) {
  EXPECT_EQ(PieSliceArcPoints(1.0, 1.0), 2);
  EXPECT_EQ(PieSliceArcPoints(0, 2 * std::numbers::pi), 32);
  EXPECT_EQ(PieSliceArcPoints(0, std::numbers::pi / 2), 11);
  EXPECT_EQ(DarkenColour(pg::platform::Rgb(255, 20, 32), 32), pg::platform::Rgb(223, 0, 0));
}

TEST(CanvasBuffer, MonochromeBufferHoldsOnlyBlackAndWhite) {
  int repaints = 0;
  TChartCanvas3D canvas([&] { ++repaints; });
  pg::platform::Bitmap window(40, 30);
  canvas.SetMonochrome(true);
  canvas.SetMonochrome(true);
  EXPECT_EQ(repaints, 1);
  canvas.BeginView(window.Dc(), nullptr, false, TRect{0, 0, 40, 30});
  canvas.SetBrush(pg::platform::Brush{pg::platform::BrushStyle::bsSolid, pg::platform::Rgb(200, 30, 30), nullptr});
  canvas.FillRectangle(TRect{0, 0, 40, 30});
  canvas.PresentView(window.Dc(), window.Dc(), TRect{0, 0, 40, 30});
  EXPECT_FALSE(canvas.BufferStale());
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const auto p = window.Pixel(x, y);
      ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << x << "," << y;
    }
  EXPECT_TRUE(canvas.RepaintFromBuffer());
  canvas.MarkStale();
  EXPECT_FALSE(canvas.RepaintFromBuffer());
}

}  // namespace
