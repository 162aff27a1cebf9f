// A solid pie with a slice pulled out is drawn back to front: from the slice
// nearest the top of the pie to the one nearest the viewer, whichever slice is
// out and however the pie is turned; every other pie in index order.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "legend_support.h"

namespace {

using namespace legend_test;

struct DrawOrder : ::testing::Test, FourSlices {
  DrawOrder() {
    // Centres at 0.1π, 0.45π, π and 1.65π turned by nothing: all four at
    // different distances from the top (π/2).
    pie.ClearPoints();
    pie.AddPoint(10, "North", kRed);
    pie.AddPoint(25, "East", kGreen);
    pie.AddPoint(30, "South", kBlue);
    pie.AddPoint(35, "West", kYellow);
    pie.Marks().SetVisible(false);
    chart.Legend().SetVisible(false);
  }
  // How far the slice's centre lies from the top of the pie, in [0, π].
  double FromTop(int i) const {
    const double a = std::remainder(pie.Spans()[static_cast<std::size_t>(i)].centerAngle + pie.RotationRadians() -
                                        std::numbers::pi / 2,
                                    2 * std::numbers::pi);
    return std::fabs(a);
  }
  std::uint32_t At(pg::platform::TPoint p) const { return picture->Pixel(p.x, p.y); }
  // The middle of a slice's upper face, where it is drawn after the explode.
  pg::platform::TPoint FaceMiddle(int i) const {
    const double a = pie.Spans()[static_cast<std::size_t>(i)].centerAngle + pie.RotationRadians();
    const auto d = pie.ExplodeOffset(i);
    return {pie.CenterX() + d.x + static_cast<int>(std::lround(std::cos(a) * pie.RadiusX() * 0.6)),
            pie.CenterY() - d.y - static_cast<int>(std::lround(std::sin(a) * pie.RadiusY() * 0.6))};
  }
};

TEST_F(DrawOrder, WithASliceOutTheBackSlicesComeFirst) {
  pie.SetExploded(3, 30);  // the front right slice, towards the viewer
  Draw(400, 400).SavePng("pie_3d_order_front.png");
  EXPECT_EQ(pie.DrawOrder(), (std::vector<int>{1, 0, 2, 3}));
  // The slice pulled forward is drawn last, so its face is whole.
  EXPECT_EQ(At(FaceMiddle(3)), Px(kYellow));

  pie.SetExploded(3, 0);
  pie.SetExploded(1, 30);  // the slice at the top, pulled away from the viewer
  Draw(400, 400).SavePng("pie_3d_order_back.png");
  EXPECT_EQ(pie.DrawOrder(), (std::vector<int>{1, 0, 2, 3}));
  // Drawn first, its side walls stay behind its neighbours' faces: just below
  // its pulled-out tip the pie's own faces show, not a wall.
  const auto d = pie.ExplodeOffset(1);
  ASSERT_GT(d.y, 0);  // upwards: the screen takes −dy
  for (int i : {0, 2})
    EXPECT_EQ(At(FaceMiddle(i)), Px(i == 0 ? kRed : kBlue)) << "slice " << i;
}

TEST_F(DrawOrder, AnyTurnOfThePieKeepsTheDistanceFromTheTopAscending) {
  pie.SetExploded(0, 25);
  for (int degrees : {0, 45, 90, 135, 200, 271, 359}) {
    pie.SetRotationAngle(degrees);
    Draw(400, 400);
    const auto& order = pie.DrawOrder();
    ASSERT_EQ(order.size(), 4u) << degrees;
    for (std::size_t k = 1; k < order.size(); ++k)
      EXPECT_LE(FromTop(order[k - 1]), FromTop(order[k]) + 1e-12) << degrees << "° at " << k;
  }
  // Turned by a quarter, the centres lie at 0.6π, 0.95π, 1.5π and 2.15π.
  pie.SetRotationAngle(90);
  Draw(400, 400).SavePng("pie_3d_order_turned.png");
  EXPECT_EQ(pie.DrawOrder(), (std::vector<int>{0, 3, 1, 2}));
}

TEST_F(DrawOrder, FlatPiesAndPiesWithNothingOutKeepIndexOrder) {
  Draw(400, 400);
  EXPECT_EQ(pie.DrawOrder(), (std::vector<int>{0, 1, 2, 3}));
  pie.SetExploded(3, 30);
  chart.SetView3D(false);
  Draw(400, 400);
  EXPECT_EQ(pie.DrawOrder(), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
