// Grouping small slices into Other, and pulling slices out: the worked examples,
// negative values, a threshold above every slice, and explodes far beyond the
// radius (a paint still finishes at once).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>

#include "legend_support.h"

namespace {

using pg::engine::TPieOtherStyle;
using pg::engine::TSeriesMarksStyle;

struct Pie : ::testing::Test, legend_test::FourSlices {
  void Values(std::initializer_list<double> values) {
    pie.ClearPoints();
    int i = 0;
    for (double v : values) pie.AddPoint(v, "P" + std::to_string(i++), pg::clDefault);
  }
  std::vector<std::string> MarkTexts() {
    std::vector<std::string> out;
    for (int i = 0; i < pie.PointCount(); ++i)
      if (!pie.IsGrouped(i)) out.push_back(pie.MarkText(i));
    return out;
  }
};

TEST_F(Pie, BelowPercentGroupsIntoOneLabelledSliceAndPercentagesKeepTheTotal) {
  Values({50, 45, 3, 2});
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  pie.OtherSlice().SetValue(10);
  pie.Marks().SetStyle(TSeriesMarksStyle::smsLabelPercent);
  Draw();
  EXPECT_EQ(pie.LegendItemCount(), 3);
  EXPECT_EQ(MarkTexts(), (std::vector<std::string>{"P0 50 %", "P1 45 %", "Other 5 %"}));
  // Drawn slices: three spans that close the circle; the grouped ones are empty.
  const auto& s = pie.Spans();
  ASSERT_EQ(s.size(), 5u);
  EXPECT_DOUBLE_EQ(s[2].toAngle - s[2].fromAngle, 0);
  EXPECT_NEAR(s[4].toAngle - s[4].fromAngle, 2 * 3.14159265358979 * 0.05, 1e-9);
  // A second paint regroups the same way: the Other slice does not pile up.
  Draw();
  EXPECT_EQ(pie.PointCount(), 5);
  // And None takes it away again.
  pie.OtherSlice().SetStyle(TPieOtherStyle::poNone);
  Draw();
  EXPECT_EQ(pie.PointCount(), 4);
  EXPECT_EQ(pie.LegendItemCount(), 4);
}

TEST_F(Pie, GroupingWithNegativesAndWithEverySliceBelowTheThreshold) {
  // Negative values compare as they are: always below a positive threshold.
  // The Other slice takes the room they had in the pie, which closes.
  Values({40, -30, 20, 10});
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowValue);
  pie.OtherSlice().SetValue(15);
  pie.Marks().SetStyle(TSeriesMarksStyle::smsValue);
  Draw();
  EXPECT_EQ(MarkTexts(), (std::vector<std::string>{"40", "20", "40"}));
  EXPECT_NEAR(pie.Spans().back().toAngle, 2 * std::numbers::pi, 1e-9);
  // 20 and -20 grouped: once they summed to no Other slice, and the pie kept a gap.
  Values({30, 30, 20, -20});
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  pie.OtherSlice().SetValue(21);
  pie.Marks().SetStyle(TSeriesMarksStyle::smsLabelPercent);
  Draw();
  EXPECT_EQ(MarkTexts(), (std::vector<std::string>{"P0 30 %", "P1 30 %", "Other 40 %"}));
  EXPECT_EQ(pie.LegendItemCount(), 3);
  EXPECT_NEAR(pie.Spans().back().toAngle, 2 * std::numbers::pi, 1e-9);
  // Every slice below: one Other slice takes the whole pie.
  pie.Marks().SetStyle(TSeriesMarksStyle::smsValue);
  Values({1, 2, 3});
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  pie.OtherSlice().SetValue(90);
  Draw();
  EXPECT_EQ(MarkTexts(), (std::vector<std::string>{"6"}));
  EXPECT_NEAR(pie.Spans().back().toAngle, 2 * 3.14159265358979, 1e-9);
}

TEST_F(Pie, ValuesAtTheLimitsOfADoubleShareThePieByTheirSizes) {
  // Two values near the largest double overflowed the total: one slice took
  // the whole pie and the marks read "NAN %". Subnormal values overflowed the
  // factor from values to angles the same way.
  pie.Marks().SetStyle(TSeriesMarksStyle::smsPercent);
  for (const auto& [a, b] : {std::pair{1e308, 1e308}, std::pair{4.9e-324, 4.9e-324}, std::pair{1.5e308, 5e307}}) {
    Values({a, b});
    Draw();
    const auto& s = pie.Spans();
    ASSERT_EQ(s.size(), 2u);
    const double share = static_cast<double>(static_cast<long double>(a) / (static_cast<long double>(a) + b));
    EXPECT_NEAR(s[0].toAngle, 2 * std::numbers::pi * share, 1e-9) << a << " " << b;
    EXPECT_EQ(s[1].toAngle, 2 * std::numbers::pi);
    EXPECT_NEAR(pie.PieValues().PercentOfTotalABS(a), share * 100, 1e-9);
  }
  EXPECT_EQ(MarkTexts(), (std::vector<std::string>{"75 %", "25 %"}));
  // Ordinary values keep the plain double arithmetic, to the last bit.
  Values({1, 2});
  Draw();
  EXPECT_EQ(pie.Spans()[0].toAngle, 1 * (2 * std::numbers::pi / 3));
  EXPECT_EQ(pie.PieValues().PercentOfTotalABS(1), 100.0 / 3);
}

TEST_F(Pie, ExplodeBiggestPullsOutTheFirstMaximumAndShrinksThePie) {
  Values({5, 9, 9});
  chart.SetView3D(false);
  chart.Legend().SetVisible(false);
  pie.Marks().SetVisible(false);
  Draw(400, 400);
  const int plainRadius = pie.RadiusX(), plainRadiusY = pie.RadiusY();
  pie.SetExplodeBiggest(30);
  Draw(400, 400);
  EXPECT_EQ(pie.Exploded(1), 30);
  EXPECT_EQ(pie.Exploded(2), 0);
  // Half the offset, taken with the radii before the shrinking, on each side.
  const double centre = 9.5 / 23 * 2 * std::numbers::pi;
  const int dx = static_cast<int>(std::lround(std::cos(centre) * plainRadius * 0.3));
  const int dy = static_cast<int>(std::lround(std::sin(centre) * plainRadiusY * 0.3));
  EXPECT_NEAR(pie.RadiusX(), plainRadius - std::abs(dx) / 2, 1);
  EXPECT_NEAR(pie.RadiusY(), plainRadiusY - std::abs(dy) / 2, 1);
  EXPECT_LT(pie.ExplodeOffset(1).x, 0);  // up and to the left
  EXPECT_GT(pie.ExplodeOffset(1).y, 0);
}

TEST_F(Pie, In3DTheExplodedSliceIsDrawnOverItsNeighbours) {
  // A slice pulled out towards the viewer stays whole; its neighbours are drawn first.
  Values({25, 25, 25, 25});
  pie.Marks().SetVisible(false);
  chart.Legend().SetVisible(false);
  pie.SetRotationAngle(0);
  Draw(400, 400).SavePng("pie_3d_explode_before.png");
  pie.SetExploded(3, 40);  // the bottom-right quarter, at the front
  Draw(400, 400).SavePng("pie_3d_explode.png");
  EXPECT_TRUE(pie.AnyExploded());
  // Its side face shows, darkened, below its front edge: a pixel of a darker
  // yellow between its moved face and the pie.
  const auto d = pie.ExplodeOffset(3);
  EXPECT_GT(d.x, 0);
  EXPECT_LT(d.y, 0);
}

TEST_F(Pie, ExplodesFarBeyondTheRadiusStillPaintAtOnce) {
  chart.Legend().SetVisible(true);
  for (bool view3D : {false, true}) {
    chart.SetView3D(view3D);
    for (int percent : {100, 1000, 1 << 30, INT_MAX}) {
      pie.SetExploded(0, percent);
      pie.SetExplodeBiggest(percent);
      Draw(600, 400);
      EXPECT_GE(pie.RadiusX(), 2);
    }
  }
  Draw(600, 400).SavePng("pie_explode_1000.png");
}

}  // namespace
