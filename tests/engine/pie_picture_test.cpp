// Pictures of a pie drawn by the whole engine, checked at telling pixels.
#include <gtest/gtest.h>

#include "charts/chart_form_design.h"
#include "framework/arith.h"
#include "framework/errors.h"
#include "platform/bitmap.h"

namespace {

using namespace pg::engine;
using pg::platform::TRect;

constexpr pg::TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

struct FormPie : ::testing::Test {
  TChart chart;
  TPieSeries pie;
  void SetUp() override {
    pg::charts::ApplyChartFormDesign(chart, pie);
    pie.Marks().SetVisible(false);
    pie.AddPoint(1, "a", kRed);
    pie.AddPoint(1, "b", kGreen);
    pie.AddPoint(2, "c", kBlue);
  }
  std::unique_ptr<pg::platform::Bitmap> Draw() { return chart.CreatePicture(pg::clWhite, TRect{0, 0, 524, 246}); }
};

// 0x00RRGGBB as the bitmap reads pixels.
constexpr std::uint32_t Px(pg::TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

TEST_F(FormPie, FlatQuartersAndHalf) {
  chart.SetView3D(false);
  auto picture = Draw();
  picture->SavePng("pie_flat.png");
  const auto& r = pie.PieRect();
  const int cx = pie.CenterX(), cy = pie.CenterY(), dx = pie.RadiusX() / 2, dy = pie.RadiusY() / 2;
  EXPECT_GT(r.Width(), 100);
  EXPECT_EQ(picture->Pixel(cx + dx, cy - dy), Px(kRed));    // upper right
  EXPECT_EQ(picture->Pixel(cx - dx, cy - dy), Px(kGreen));  // upper left
  EXPECT_EQ(picture->Pixel(cx - dx, cy + dy), Px(kBlue));   // lower half
  EXPECT_EQ(picture->Pixel(cx + dx, cy + dy), Px(kBlue));
  EXPECT_EQ(picture->Pixel(3, 3), 0xFFFFFFu);
  const auto& spans = pie.Spans();
  ASSERT_EQ(spans.size(), 3u);
  EXPECT_DOUBLE_EQ(spans[1].fromAngle, spans[0].toAngle);
  EXPECT_NEAR(spans[1].toAngle, 3.14159265, 1e-6);
}

TEST_F(FormPie, SolidPieHasDarkerSides) {
  auto picture = Draw();
  picture->SavePng("pie_3d.png");
  EXPECT_EQ(chart.SeriesDepth(), pg::Round(chart.PlotWidth() * 15 * 0.001 * 2));
  // Below the upper face's lower edge the rim shows the blue slice darkened by 32.
  const int cx = pie.CenterX();
  bool darkBlue = false;
  for (int y = 0; y < 246; ++y)
    if (picture->Pixel(cx, y) == 0x0000DFu) darkBlue = true;
  EXPECT_TRUE(darkBlue);
}

TEST_F(FormPie, MarksTakeRoomAroundThePie) {
  chart.SetView3D(false);
  Draw();
  const int bare = pie.RadiusX();
  pie.Marks().SetVisible(true);
  chart.Title().SetText({"Pie of three"});
  auto picture = Draw();
  picture->SavePng("pie_marks.png");
  EXPECT_LT(pie.RadiusX(), bare);
  // The label box of the first slice sits up and right of the pie, framed in black.
  const auto& box = pie.Marks().PositionAt(0);
  EXPECT_GT(box.boxLeft, pie.CenterX());
  EXPECT_EQ(picture->Pixel(box.boxLeft, box.boxTop + 1), 0u);
}

TEST_F(FormPie, DefaultMarginsGiveThePlotRectangle) {
  chart.Title().SetVisible(false);
  chart.Foot().SetVisible(false);
  chart.Legend().SetVisible(false);
  chart.SetView3D(false);
  Draw();
  EXPECT_EQ(chart.PlotRect(), (TRect{16, 10, 508, 236}));
}

TEST(ChartPanel, RepaintsOnlyOnChangeAndRejectsBadDepth) {
  struct Site : TPanelSite {
    int n = 0;
    void InvalidatePanel() override { ++n; }
  } site;
  TChart chart;
  chart.SetSite(&site);
  chart.SetMarginLeft(3);
  chart.View3DOptions().SetRotation(345);
  EXPECT_EQ(site.n, 0);
  chart.SetMarginLeft(5);
  chart.View3DOptions().SetRotation(10);
  chart.Title().Font().SetSize(8);
  EXPECT_EQ(site.n, 2);
  try {
    chart.SetChart3DPercent(101);
    FAIL();
  } catch (const pg::ChartException& e) {
    EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
  }
  EXPECT_THROW(chart.SetChart3DPercent(0), pg::ChartException);
  EXPECT_EQ(chart.Chart3DPercent(), 15);
  chart.SetSite(nullptr);
}

TEST(PieSeries, RotationAngleRangeAndOtherSlice) {
  TChart chart;
  TPieSeries pie;
  pg::charts::ApplyChartFormDesign(chart, pie);
  try {
    pie.SetRotationAngle(-1);
    FAIL();
  } catch (const pg::ChartException& e) {
    EXPECT_STREQ(e.what(), "Rotation Angle must be between 0 and 359 degrees");
  }
  pie.SetRotationAngle(360);
  EXPECT_EQ(pie.RotationAngle(), 0);
  for (double v : {50.0, 45.0, 3.0, 2.0}) pie.AddPoint(v);
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  pie.OtherSlice().SetValue(10);
  pie.DoBeforeDrawChart();
  ASSERT_EQ(pie.PointCount(), 5);
  EXPECT_EQ(pie.PointLabel(4), "Other");
  EXPECT_DOUBLE_EQ(pie.PieValues().ValueAt(4), 5.0);
  EXPECT_EQ(pie.LegendItemCount(), 3);
  EXPECT_DOUBLE_EQ(pie.PieValues().TotalABS(), 100.0);
}

}  // namespace
