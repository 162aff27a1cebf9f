// Pictures of the chart window's default chart with its legend and marks, saved
// to be looked at and checked at telling pixels.
#include <gtest/gtest.h>

#include "legend_support.h"

namespace {

using namespace legend_test;

struct DefaultChart : ::testing::Test, FourSlices {};

TEST_F(DefaultChart, LegendAndMarksIn3DAndFlat) {
  for (const bool solid : {true, false}) {
    SCOPED_TRACE(solid);
    chart.SetView3D(solid);
    Draw().SavePng(solid ? "legend_default_3d.png" : "legend_default_flat.png");
    // The legend's frame just outside its box and its shadow beyond the frame.
    const auto& box = chart.Legend().LegendBox();
    EXPECT_EQ(picture->Pixel(box.left - 1, box.top + 5), 0u);
    EXPECT_EQ(picture->Pixel(box.right + 2, box.bottom + 2), 0u);
    EXPECT_EQ(SymbolAt(2), Px(kBlue));
    for (int i = 0; i < 4; ++i) {
      const auto& m = pie.Marks().PositionAt(i);
      EXPECT_LT(m.boxLeft + m.boxWidth, box.left) << i;  // marks keep clear of the legend
    }
  }
  // Flat, the North box sits up and right of its slice, framed and filled.
  const auto& north = pie.Marks().PositionAt(0);
  EXPECT_GT(north.boxLeft, pie.CenterX());
  EXPECT_EQ(picture->Pixel(north.boxLeft, north.boxTop + 2), 0u);
  EXPECT_EQ(picture->Pixel(north.boxLeft + 2, north.boxTop + 2), 0xFFFF80u);
}

}  // namespace
