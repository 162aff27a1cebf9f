// GDI's raster rules for lines and filled shapes, which both builds share pixel
// for pixel.
#include <gtest/gtest.h>

#include <vector>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

TEST(ShapeRules, RectangleOutlinesColumnsLeftToRightMinusOne) {
  Bitmap b(20, 20);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Rectangle(2, 3, 10, 8);
  EXPECT_EQ(RowPattern(b, 3, 0, 12, 0), "..########..");
  EXPECT_EQ(RowPattern(b, 5, 0, 12, 0), "..#......#..");
  EXPECT_EQ(b.Pixel(3, 5), Px(kRed));
  EXPECT_EQ(ColumnPattern(b, 2, 0, 10, 0), "...#####..");
  EXPECT_EQ(InkBox(b), (TRect{2, 3, 10, 8}));

  // Reversed corners draw the same box.
  Bitmap r(20, 20);
  r.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  r.Dc().Rectangle(10, 8, 2, 3);
  EXPECT_EQ(InkBox(r), (TRect{2, 3, 10, 8}));
}

TEST(ShapeRules, RectangleWithoutPenFillsOnePixelLess) {
  Bitmap b(20, 20);
  b.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Rectangle(2, 3, 10, 8);
  EXPECT_EQ(InkBox(b), (TRect{2, 3, 9, 7}));
  EXPECT_EQ(CountPixels(b, Px(kRed)), 7 * 4);
}

TEST(ShapeRules, FillRectCoversTheBoxWithoutOutline) {
  Bitmap b(20, 20);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kGreen));
  b.Dc().FillRect(TRect{4, 4, 9, 6});
  EXPECT_EQ(InkBox(b), (TRect{4, 4, 9, 6}));
  EXPECT_EQ(CountPixels(b, Px(kGreen)), 10);
}

// Boxes reaching over the bitmap's edges keep exactly their rows on it, each
// row whole: solid, over what is there already, and hatched (each row from the
// pattern, not a copy of the first).
TEST(ShapeRules, BoxesCutAtTheEdgesKeepTheirRows) {
  Bitmap b(20, 10);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Rectangle(-5, -3, 8, 6);
  b.Dc().FillRect(TRect{12, 4, 30, 20});
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kBlue));
  b.Dc().Rectangle(5, 1, 10, 4);
  EXPECT_EQ(RowPattern(b, 0, 0, 20, Px(kRed)), "#######.............");
  EXPECT_EQ(RowPattern(b, 2, 0, 20, Px(kRed)), "#####...............");
  EXPECT_EQ(RowPattern(b, 2, 0, 20, Px(kBlue)), "......###...........");
  EXPECT_EQ(RowPattern(b, 4, 0, 20, Px(kRed)), "#######.....########");
  EXPECT_EQ(RowPattern(b, 5, 0, 20, 0), "########............");
  EXPECT_EQ(RowPattern(b, 9, 0, 20, Px(kRed)), "............########");
  EXPECT_EQ(ColumnPattern(b, 7, 0, 10, 0), "##.###....");  // the blue box's fill at row 2
  EXPECT_EQ(CountPixels(b, Px(kRed)), 5 * 7 - 3 * 2 + 6 * 8);

  Bitmap h(16, 16);
  h.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  h.Dc().SetBrush(MakeBrush(BrushStyle::bsHorizontal, kBlue));
  h.Dc().Rectangle(-4, -4, 21, 21);
  EXPECT_EQ(CountPixels(h, Px(kBlue)), 2 * 16);
  for (int y = 0; y < 16; ++y) {
    const std::string row = RowPattern(h, y, 0, 16, Px(kBlue));
    EXPECT_TRUE(row == std::string(16, '#') || row == std::string(16, '.')) << "row " << y << ": " << row;
    EXPECT_EQ(row, RowPattern(h, y % 8, 0, 16, Px(kBlue))) << "row " << y;
  }
}

TEST(ShapeRules, LineLeavesOutItsEndPixel) {
  Bitmap b(20, 20);
  b.Dc().MoveTo(1, 1);
  b.Dc().LineTo(10, 1);
  EXPECT_EQ(RowPattern(b, 1, 0, 12, 0), ".#########..");
  b.Dc().MoveTo(5, 5);
  b.Dc().LineTo(5, 5);  // a line of no length draws nothing
  EXPECT_EQ(b.Pixel(5, 5), kWhitePx);
  b.Dc().MoveTo(3, 10);
  b.Dc().LineTo(8, 15);
  EXPECT_EQ(b.Pixel(7, 14), 0u);
  EXPECT_EQ(b.Pixel(8, 15), kWhitePx);
  EXPECT_EQ(b.Dc().CurrentPosition(), (TPoint{8, 15}));
}

TEST(ShapeRules, ShallowLineStepsWhereItCrossesPixelBoundaries) {
  Bitmap b(60, 12);
  b.Dc().MoveTo(2, 2);
  b.Dc().LineTo(57, 9);
  // y = 2 + 7/55 (x - 2): a row per 55/7 columns, half-way rounding.
  const int firstOfRow[] = {2, 6, 14, 22, 30, 38, 46, 54};
  for (int row = 0; row < 8; ++row) {
    const int next = row < 7 ? firstOfRow[row + 1] : 57;
    for (int x = firstOfRow[row]; x < next; ++x) EXPECT_EQ(b.Pixel(x, 2 + row), 0u) << x;
  }
  EXPECT_EQ(CountPixels(b, 0), 55);
}

TEST(ShapeRules, PolylineDrawsEveryJointOnce) {
  Bitmap b(20, 20);
  Pen p = MakePen(PenStyle::psSolid, 1, kBlue);
  p.mode = PenMode::pmXor;
  b.Dc().SetPen(p);
  const TPoint pts[] = {{1, 1}, {10, 1}, {10, 10}};
  b.Dc().Polyline(pts);
  // Xor would turn a pixel painted twice back to white.
  EXPECT_EQ(b.Pixel(10, 1), Px(kBlue) ^ kWhitePx);
  EXPECT_EQ(b.Pixel(10, 10), kWhitePx);
  EXPECT_EQ(b.Dc().CurrentPosition(), (TPoint{0, 0}));  // polylines leave the position alone
}

TEST(ShapeRules, PolygonFillsAlternateOrWindingAndOutlinesClosed) {
  const TPoint star[] = {{20, 2}, {27, 38}, {5, 14}, {36, 14}, {12, 38}};
  Bitmap alt(40, 40), wind(40, 40);
  for (Bitmap* b : {&alt, &wind}) {
    b->Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
    b->Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  }
  wind.Dc().SetPolyFillMode(kWinding);
  alt.Dc().Polygon(star);
  wind.Dc().Polygon(star);
  EXPECT_EQ(alt.Pixel(20, 20), kWhitePx);  // the pentagon in the middle is crossed twice
  EXPECT_EQ(wind.Pixel(20, 20), Px(kRed));
  EXPECT_EQ(alt.Pixel(20, 8), Px(kRed));

  // Whole-coordinate squares fill left/top edges only; the pen closes the outline.
  Bitmap sq(20, 20);
  const TPoint square[] = {{2, 2}, {10, 2}, {10, 10}, {2, 10}};
  sq.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  sq.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  sq.Dc().Polygon(square);
  EXPECT_EQ(InkBox(sq), (TRect{2, 2, 10, 10}));
  sq.Dc().SetPen(Pen{});
  sq.Dc().Polygon(square);
  EXPECT_EQ(InkBox(sq), (TRect{2, 2, 11, 11}));
  EXPECT_EQ(sq.Pixel(10, 10), 0u);
}

// A comb whose rows cross forty edges fills its teeth and its back alike in
// both modes (rows with a few crossings and rows with many are sorted apart).
TEST(ShapeRules, CombWithManyCrossingsPerRowFillsItsTeeth) {
  std::vector<TPoint> comb;
  for (int k = 0; k < 20; ++k) {
    comb.push_back({10 * k, 10});
    comb.push_back({10 * k + 5, 10});
    comb.push_back({10 * k + 5, 50});
    comb.push_back({10 * k + 10, 50});
  }
  comb.back() = {195, 55};
  comb.push_back({0, 55});
  for (const int mode : {kAlternate, kWinding}) {
    Bitmap b(200, 60);
    b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
    b.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
    b.Dc().SetPolyFillMode(mode);
    b.Dc().Polygon(comb);
    EXPECT_EQ(CountPixels(b, Px(kRed)), 20 * 5 * 40 + 195 * 5) << mode;
    EXPECT_EQ(b.Pixel(194, 30), Px(kRed));
    EXPECT_EQ(b.Pixel(195, 30), kWhitePx);
    EXPECT_EQ(b.Pixel(7, 30), kWhitePx);
    EXPECT_EQ(b.Pixel(7, 52), Px(kRed));
  }
}

TEST(ShapeRules, EllipseFitsItsBoxRightAndBottomExclusive) {
  Bitmap b(30, 30);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Ellipse(5, 5, 25, 25);
  EXPECT_EQ(InkBox(b), (TRect{5, 5, 25, 25}));
  EXPECT_EQ(RowPattern(b, 5, 10, 20, 0), "..######..");
  EXPECT_EQ(b.Pixel(15, 15), Px(kRed));
  EXPECT_EQ(b.Pixel(5, 5), kWhitePx);

  // A 3 x 3 ellipse is a cross; without a pen the fill keeps the full extent.
  Bitmap small(10, 10);
  small.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  small.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  small.Dc().Ellipse(2, 2, 5, 5);
  EXPECT_EQ(CountPixels(small, Px(kRed)), 5);
  EXPECT_EQ(InkBox(small), (TRect{2, 2, 5, 5}));
}

TEST(ShapeRules, PieRunsCounterClockwiseFromStartToEndRadial) {
  // Right radial to top radial: the upper right quarter.
  Bitmap q(44, 44);
  q.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  q.Dc().Pie(2, 2, 41, 39, 40, 20, 20, 0);
  EXPECT_EQ(q.Pixel(30, 10), Px(kRed));
  EXPECT_EQ(q.Pixel(10, 10), kWhitePx);
  EXPECT_EQ(q.Pixel(10, 30), kWhitePx);
  EXPECT_EQ(q.Pixel(30, 30), kWhitePx);
  EXPECT_EQ(RowPattern(q, 20, 19, 42, 0), "..####################.");  // the horizontal radial
  EXPECT_EQ(q.Pixel(21, 12), 0u);                                      // the vertical one

  // The same radials swapped: three quarters.
  Bitmap t(44, 44);
  t.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  t.Dc().Pie(2, 2, 41, 39, 20, 0, 40, 20);
  EXPECT_EQ(t.Pixel(30, 10), kWhitePx);
  EXPECT_EQ(t.Pixel(10, 10), Px(kRed));
  EXPECT_EQ(t.Pixel(10, 30), Px(kRed));
  EXPECT_EQ(t.Pixel(30, 30), Px(kRed));
}

TEST(ShapeRules, ArcDrawsOnlyTheCurve) {
  Bitmap b(44, 44);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Arc(2, 2, 41, 39, 40, 20, 20, 0);
  EXPECT_EQ(CountPixels(b, Px(kRed)), 0);
  const TRect ink = InkBox(b);
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.bottom, 22);
  EXPECT_EQ(b.Pixel(40, 19), 0u);
  EXPECT_EQ(b.Pixel(30, 10), kWhitePx);
}

TEST(ShapeRules, RoundRectCutsItsCorners) {
  Bitmap b(40, 30);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().RoundRect(2, 2, 30, 20, 8, 8);
  EXPECT_EQ(InkBox(b), (TRect{2, 2, 30, 20}));
  EXPECT_EQ(b.Pixel(2, 2), kWhitePx);
  EXPECT_EQ(b.Pixel(29, 19), kWhitePx);
  EXPECT_EQ(b.Pixel(2, 10), 0u);
  EXPECT_EQ(b.Pixel(16, 2), 0u);
  EXPECT_EQ(b.Pixel(16, 10), Px(kRed));
}

TEST(ShapeRules, PenModesCombineWithWhatIsThere) {
  Bitmap b(20, 10);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().FillRect(TRect{0, 0, 10, 10});
  Pen p = MakePen(PenStyle::psSolid, 1, kBlue);
  p.mode = PenMode::pmXor;
  b.Dc().SetPen(p);
  b.Dc().MoveTo(0, 2);
  b.Dc().LineTo(20, 2);
  EXPECT_EQ(b.Pixel(3, 2), Px(kRed) ^ Px(kBlue));
  b.Dc().MoveTo(0, 2);
  b.Dc().LineTo(20, 2);
  EXPECT_EQ(b.Pixel(3, 2), Px(kRed));  // xor twice restores
  p.mode = PenMode::pmNot;
  b.Dc().SetPen(p);
  b.Dc().Rectangle(5, 4, 15, 9);  // inverts outline and fill alike
  EXPECT_EQ(b.Pixel(6, 6), Px(kRed) ^ kWhitePx);
  EXPECT_EQ(b.Pixel(12, 6), 0u);
  EXPECT_EQ(b.Pixel(5, 4), Px(kRed) ^ kWhitePx);
}

TEST(ShapeRules, WidePensCentreOnTheOutline) {
  Bitmap b(40, 40);
  b.Dc().SetPen(MakePen(PenStyle::psSolid, 3, kBlue));
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Rectangle(5, 5, 20, 20);
  EXPECT_EQ(InkBox(b), (TRect{4, 4, 21, 21}));
  EXPECT_EQ(b.Pixel(4, 4), kWhitePx);  // joins are round
  EXPECT_EQ(RowPattern(b, 12, 3, 9, Px(kBlue)), ".###..");
  EXPECT_EQ(b.Pixel(10, 10), Px(kRed));

  Bitmap inside(40, 40);
  inside.Dc().SetPen(MakePen(PenStyle::psInsideFrame, 3, kBlue));
  inside.Dc().Rectangle(5, 5, 20, 20);
  EXPECT_EQ(InkBox(inside), (TRect{5, 5, 20, 20}));

  Bitmap line(40, 10);
  line.Dc().SetPen(MakePen(PenStyle::psSolid, 3, kBlue));
  line.Dc().MoveTo(5, 5);
  line.Dc().LineTo(30, 5);
  EXPECT_EQ(InkBox(line), (TRect{4, 4, 32, 7}));  // round ends reach past both points
}

// The columns where a slanted line's top edge moves down a row, left to right.
std::vector<int> TopSteps(const Bitmap& b, int x0, int x1) {
  std::vector<int> steps;
  int last = -1;
  for (int x = x0; x < x1; ++x) {
    int top = 0;
    while (top < b.Height() && b.Pixel(x, top) == kWhitePx) ++top;
    if (last >= 0 && top > last) steps.push_back(x);
    last = top;
  }
  return steps;
}

TEST(ShapeRules, SlantedWidePensStepOnWholePixelCorners) {
  // The band's corners are whole pixels, half the width rounded to each side:
  // its edges step where the corners' lines cross rows, not half a row early.
  Bitmap odd(200, 40), even(200, 40), steep(40, 200);
  odd.Dc().SetPen(MakePen(PenStyle::psSolid, 7, kBlue));
  odd.Dc().MoveTo(14, 10);
  odd.Dc().LineTo(171, 15);
  even.Dc().SetPen(MakePen(PenStyle::psSolid, 6, kBlue));
  even.Dc().MoveTo(14, 10);
  even.Dc().LineTo(171, 15);
  const std::vector<int> steps{47, 78, 110, 141};
  EXPECT_EQ(TopSteps(odd, 20, 166), steps);
  EXPECT_EQ(TopSteps(even, 20, 166), steps);
  EXPECT_EQ(InkBox(odd), (TRect{11, 7, 175, 19}));
  EXPECT_EQ(InkBox(even), (TRect{11, 7, 174, 18}));  // an even width leans up and left
  steep.Dc().SetPen(MakePen(PenStyle::psSolid, 5, kBlue));
  steep.Dc().MoveTo(10, 14);
  steep.Dc().LineTo(17, 171);
  EXPECT_EQ(InkBox(steep), (TRect{8, 12, 20, 174}));
  EXPECT_EQ(RowPattern(steep, 30, 8, 16, Px(kBlue)), ".#####..");
  EXPECT_EQ(RowPattern(steep, 80, 8, 16, Px(kBlue)), "...#####");
  EXPECT_EQ(RowPattern(steep, 90, 8, 16, Px(kBlue)), "....####");
}

TEST(ShapeRules, HugeCoordinatesAreHarmless) {
  Bitmap b(20, 20);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  b.Dc().Rectangle(-2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_EQ(b.Pixel(10, 10), Px(kRed));
  b.Dc().Ellipse(-2000000000, 5, 2000000000, 15);
  b.Dc().Pie(-1000000000, -1000000000, 1000000000, 1000000000, 0, 0, 5, 5);
  b.Dc().RoundRect(-5, -5, 2000000000, 2000000000, 2000000000, 2000000000);
  b.Dc().MoveTo(-2000000000, 3);
  b.Dc().LineTo(2000000000, 3);
  EXPECT_EQ(b.Pixel(10, 3), 0u);
  const TPoint far[] = {{-2000000000, 0}, {2000000000, 1}, {0, 2000000000}};
  b.Dc().Polygon(far);
  b.Dc().StretchBlt(TRect{-2000000000, 0, 2000000000, 20}, b, TRect{0, 0, 20, 20});
  b.Dc().BitBlt(-2000000000, 0, 2000000000, 2000000000, b, 0, 0);
  b.Dc().SetPen(MakePen(PenStyle::psSolid, 2000000000, kBlue));
  EXPECT_EQ(b.Dc().GetPen().width, DeviceContext::kMaxPenWidth);
  b.Dc().MoveTo(-1000000, 5);
  b.Dc().LineTo(1000000, 7);
  EXPECT_EQ(b.Pixel(10, 10), Px(kBlue));
}

}  // namespace
}  // namespace pg::platform
