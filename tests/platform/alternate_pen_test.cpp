// The alternate pen: every other pixel from the first one drawn, one pixel wide,
// leaving the pixels between untouched. The patterns are the ones GDI draws, so
// both platforms must produce exactly these strings.
#include <gtest/gtest.h>

#include "engine/canvas/chart_canvas3d.h"
#include "engine/core/chart_pen.h"
#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

Pen AlternatePen(int width = 1) { return MakePen(PenStyle::psAlternate, width, kBlue); }

TEST(AlternatePen, EveryOtherPixelFromTheFirstInEachDirectionLeavingTheGaps) {
  Bitmap b(40, 40);
  b.Dc().SetPen(AlternatePen(5));  // the width is ignored
  b.Dc().SetBkColor(kRed);  // unlike dashes, the gaps take no opaque background
  b.Dc().MoveTo(1, 2);
  b.Dc().LineTo(30, 2);
  EXPECT_EQ(RowPattern(b, 2, 0, 32, Px(kBlue), Px(kRed)), ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#..");
  EXPECT_EQ(InkBox(b), (TRect{1, 2, 30, 3}));
  b.Dc().MoveTo(30, 5);  // drawn leftwards: the pattern starts at the right end
  b.Dc().LineTo(1, 5);
  EXPECT_EQ(RowPattern(b, 5, 0, 32, Px(kBlue)), "..#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.");
  b.Dc().MoveTo(36, 1);
  b.Dc().LineTo(36, 30);
  EXPECT_EQ(ColumnPattern(b, 36, 0, 32, Px(kBlue)), ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#..");

  // Slope 1/2: two stepped pixels per row, the first of each pair set.
  Bitmap d(40, 40);
  d.Dc().SetPen(AlternatePen());
  d.Dc().MoveTo(2, 1);
  d.Dc().LineTo(30, 15);
  int wrong = 0;
  for (int i = 0; i < 14; ++i) wrong += d.Pixel(2 + 2 * i, 1 + i) != Px(kBlue);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(CountPixels(d, Px(kBlue)), 14);
}

TEST(AlternatePen, PolylinesCarryThePatternRoundCornersAndLinesRestartIt) {
  Bitmap b(20, 40);
  b.Dc().SetPen(AlternatePen());
  const TPoint path[] = {{1, 1}, {6, 1}, {6, 8}};
  b.Dc().Polyline(path);
  EXPECT_EQ(RowPattern(b, 1, 0, 10, Px(kBlue)), ".#.#.#....");
  EXPECT_EQ(ColumnPattern(b, 6, 0, 10, Px(kBlue)), "..#.#.#...");
  b.Dc().MoveTo(1, 20);
  b.Dc().LineTo(6, 20);
  b.Dc().LineTo(6, 27);
  EXPECT_EQ(RowPattern(b, 20, 0, 10, Px(kBlue)), ".#.#.##...");
  EXPECT_EQ(ColumnPattern(b, 6, 19, 29, Px(kBlue)), ".#.#.#.#..");
}

TEST(AlternatePen, RectangleOutlinesRunFromTheTopRightCorner) {
  Bitmap b(20, 14);
  b.Dc().SetPen(AlternatePen());
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsClear, 0));
  b.Dc().Rectangle(2, 2, 12, 9);
  EXPECT_EQ(RowPattern(b, 2, 0, 14, Px(kBlue)), "...#.#.#.#.#..");
  EXPECT_EQ(ColumnPattern(b, 2, 0, 11, Px(kBlue)), "...#.#.#...");
  EXPECT_EQ(ColumnPattern(b, 11, 0, 11, Px(kBlue)), "..#.#.#.#..");
}

}  // namespace
}  // namespace pg::platform

namespace pg::engine {
namespace {

using platform::testing::kBlue;
using platform::testing::Px;

// What UseChartPen makes of a chart pen, seen on a horizontal line.
std::string DrawnWith(const TChartPen& pen) {
  platform::Bitmap target(30, 5);
  TChartCanvas3D canvas;
  canvas.SetBufferOn(false);
  canvas.BeginView(target.Dc(), nullptr, false, TRect{0, 0, 30, 5});
  canvas.UseChartPen(pen);
  canvas.SetBackgroundMode(platform::kTransparent);
  canvas.FlatLine(0, 2, 20, 2);
  return platform::testing::RowPattern(target, 2, 0, 12, Px(kBlue));
}

TEST(ChartPenOnCanvas, SmallDotsAlternateOnlyAtWidthOneAndHiddenPensDrawNothing) {
  TChartPen pen;
  pen.SetColor(kBlue);
  pen.SetSmallDots(true);
  EXPECT_EQ(DrawnWith(pen), "#.#.#.#.#.#.");
  pen.SetWidth(2);  // a wide pen ignores small dots and draws solid
  EXPECT_EQ(DrawnWith(pen), "############");
  pen.SetWidth(1);
  pen.SetVisible(false);
  EXPECT_EQ(DrawnWith(pen), "............");
}

}  // namespace
}  // namespace pg::engine
