// Mark boxes: their size, where they sit against their arrows, and how the
// frame, the fill and the arrow colour show.
#include <gtest/gtest.h>

#include <climits>

#include "legend_support.h"

namespace {

using namespace legend_test;
using pg::engine::PenStyle;
using pg::engine::TSeriesMarkPosition;

constexpr std::uint32_t kBackPx = 0xFFFF80;  // the default box fill

struct Marks : ::testing::Test, FourSlices {
  void SetUp() override {
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
  }
  const TSeriesMarkPosition& Box(int i) { return pie.Marks().PositionAt(i); }
  int MarksLineHeight() {
    chart.UseFont(pie.Marks().Font().Value());
    return chart.Canvas().LineHeight();
  }
  // First row inside box i (below its top edge) that has a black text pixel.
  int FirstTextRow(int i) {
    const auto& b = Box(i);
    for (int y = b.boxTop + 1; y < b.boxTop + b.boxHeight - 1; ++y)
      for (int x = b.boxLeft + 1; x < b.boxLeft + b.boxWidth - 1; ++x)
        if (picture->Pixel(x, y) == 0) return y;
    return -1;
  }
};

TEST_F(Marks, RightHalfStartsAtTheArrowLeftHalfEndsThere) {
  Draw().SavePng("marks_placement.png");
  for (int i = 0; i < 4; ++i) {
    const auto& b = Box(i);
    SCOPED_TRACE(i);
    if (b.labelPoint.x > pie.CenterX())
      EXPECT_EQ(b.boxLeft, b.labelPoint.x);
    else
      EXPECT_EQ(b.boxLeft + b.boxWidth, b.labelPoint.x);
    if (b.labelPoint.y > pie.CenterY())
      EXPECT_EQ(b.boxTop, b.labelPoint.y);
    else
      EXPECT_EQ(b.boxTop + b.boxHeight, b.labelPoint.y);
  }
  // South (the third slice) lies on the left, West (the fourth) below.
  EXPECT_LT(Box(2).labelPoint.x, pie.CenterX());
  EXPECT_GT(Box(3).labelPoint.y, pie.CenterY());
}

TEST_F(Marks, CarriageReturnMakesTwoLines) {
  pie.ClearPoints();
  pie.AddPoint(1, "upper\rlow", kRed);
  pie.AddPoint(1, "one", kBlue);
  Draw().SavePng("marks_two_lines.png");
  const int h = MarksLineHeight();
  EXPECT_EQ(Box(0).boxHeight, 2 * h + 2);
  EXPECT_EQ(Box(1).boxHeight, h + 2);
  chart.UseFont(pie.Marks().Font().Value());
  auto& c = chart.Canvas();
  EXPECT_EQ(Box(0).boxWidth, c.MeasureTextWidth("upper") + c.MeasureTextWidth("W") + 2);
}

TEST_F(Marks, FrameWidthWidensTheBoxAndLowersTheText) {
  auto& frame = pie.Marks().Frame();
  frame.SetVisible(false);
  Draw();
  const int bareWidth = Box(0).boxWidth, bareHeight = Box(0).boxHeight;
  const int bareText = FirstTextRow(0) - Box(0).boxTop;

  frame.SetVisible(true);
  frame.SetWidth(3);
  Draw().SavePng("marks_frame3.png");
  SaveZoomed(TRect{Box(0).boxLeft - 4, Box(0).boxTop - 4, Box(0).boxLeft + Box(0).boxWidth + 4,
                   Box(0).boxTop + Box(0).boxHeight + 4},
             6, "marks_frame3_zoom.png");
  EXPECT_EQ(Box(0).boxWidth, bareWidth + 6);
  EXPECT_EQ(Box(0).boxHeight, bareHeight + 6);

  // A clear frame keeps its room: the text still starts 3 pixels lower.
  frame.SetStyle(PenStyle::psClear);
  Draw();
  EXPECT_EQ(Box(0).boxWidth, bareWidth + 6);
  EXPECT_EQ(FirstTextRow(0) - Box(0).boxTop, bareText + 3);
  EXPECT_EQ(picture->Pixel(Box(0).boxLeft + 1, Box(0).boxTop + 1), kBackPx);
}

TEST_F(Marks, TransparentBoxes) {
  pie.Marks().SetTransparent(true);
  Draw().SavePng("marks_transparent_framed.png");
  const auto b = Box(0);
  EXPECT_EQ(picture->Pixel(b.boxLeft + 1, b.boxTop + 1), kWhitePx);
  EXPECT_EQ(picture->Pixel(b.boxLeft, b.boxTop + b.boxHeight / 2), 0u);  // the outline

  pie.Marks().Frame().SetVisible(false);
  Draw().SavePng("marks_transparent_bare.png");
  const auto bare = Box(0);
  EXPECT_EQ(picture->Pixel(bare.boxLeft, bare.boxTop + bare.boxHeight / 2), kWhitePx);
  EXPECT_GE(FirstTextRow(0), 0);  // the text is still there
}

TEST_F(Marks, ArrowAvoidsThePanelAndSliceColours) {
  // A white arrow on the white panel is drawn black; on a black panel, white.
  auto blackNear = [&](pg::platform::TPoint p, std::uint32_t colour) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (picture->Pixel(p.x + dx, p.y + dy) == colour) return true;
    return false;
  };
  auto middle = [&](int i) {
    const auto& b = Box(i);
    return pg::platform::TPoint{(b.anchorPoint.x + b.labelPoint.x) / 2, (b.anchorPoint.y + b.labelPoint.y) / 2};
  };
  Draw();
  EXPECT_TRUE(blackNear(middle(0), 0));
  chart.SetColor(pg::clBlack);
  Draw();
  EXPECT_TRUE(blackNear(middle(0), kWhitePx));
  chart.SetColor(pg::clWhite);
  pie.Marks().Arrow().SetColor(kRed);  // the first slice's colour
  Draw();
  EXPECT_TRUE(blackNear(middle(0), 0));
  EXPECT_TRUE(blackNear(middle(1), Px(kRed)));
}

TEST_F(Marks, AbsurdFrameWidthsStayDrawable) {
  pie.Marks().Frame().SetVisible(false);
  Draw();
  const int bare = Box(0).boxWidth;
  pie.Marks().Frame().SetVisible(true);
  // A negative width takes no room; a huge one no more than the widest pen.
  pie.Marks().Frame().SetWidth(-5);
  Draw();
  EXPECT_EQ(Box(0).boxWidth, bare);
  pie.Marks().Frame().SetWidth(INT_MAX);
  Draw();
  EXPECT_EQ(Box(0).boxWidth, bare + 2 * 1000);
  pie.Marks().Font().SetSize(INT_MAX);
  Draw();
}

}  // namespace
