// Dash patterns, hatches and pattern brushes: GDI's cosmetic pens and 8 x 8
// hatches aligned to the surface origin.
#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

std::string Expected(std::initializer_list<int> runs, int length, char off = '-') {
  std::string period;
  bool on = true;
  for (int n : runs) {
    period += std::string(static_cast<std::size_t>(n), on ? '#' : off);
    on = !on;
  }
  std::string s;
  while (static_cast<int>(s.size()) < length) s += period;
  return s.substr(0, static_cast<std::size_t>(length));
}

TEST(PenStyles, DashesRepeatWithGdiLengthsAndGapsInTheBackground) {
  struct Case {
    PenStyle style;
    std::initializer_list<int> runs;
  };
  const Case cases[] = {{PenStyle::psDash, {18, 6}},
                        {PenStyle::psDot, {3, 3}},
                        {PenStyle::psDashDot, {9, 6, 3, 6}},
                        {PenStyle::psDashDotDot, {9, 3, 3, 3, 3, 3}}};
  for (const Case& c : cases) {
    Bitmap b(110, 10);
    b.Dc().SetPen(MakePen(c.style, 1, kBlue));
    b.Dc().SetBkColor(kRed);
    b.Dc().MoveTo(0, 2);
    b.Dc().LineTo(100, 2);
    EXPECT_EQ(RowPattern(b, 2, 0, 100, Px(kBlue), Px(kRed)), Expected(c.runs, 100));
    b.Dc().SetBkMode(kTransparent);
    b.Dc().MoveTo(0, 5);
    b.Dc().LineTo(100, 5);
    EXPECT_EQ(RowPattern(b, 5, 0, 100, Px(kBlue), Px(kRed)), Expected(c.runs, 100, '.'));
  }
}

TEST(PenStyles, EachLineStartsThePatternAfresh) {
  Bitmap b(60, 40);
  b.Dc().SetPen(MakePen(PenStyle::psDash, 1, kBlue));
  b.Dc().SetBkMode(kTransparent);
  b.Dc().MoveTo(1, 1);
  b.Dc().LineTo(30, 1);
  b.Dc().LineTo(30, 39);
  EXPECT_EQ(RowPattern(b, 1, 1, 30, Px(kBlue)), Expected({18, 6}, 29, '.'));
  EXPECT_EQ(ColumnPattern(b, 30, 1, 31, Px(kBlue)), Expected({18, 6}, 30, '.'));
}

TEST(PenStyles, RectangleDashesRunLeftwardsFromTheTopRightCorner) {
  Bitmap b(60, 20);
  b.Dc().SetPen(MakePen(PenStyle::psDash, 1, kBlue));
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsClear, 0));
  b.Dc().SetBkMode(kTransparent);
  b.Dc().Rectangle(10, 2, 50, 15);
  std::string top;
  for (int x = 49; x >= 10; --x) top += b.Pixel(x, 2) == Px(kBlue) ? '#' : '.';
  EXPECT_EQ(top, std::string(18, '#') + std::string(6, '.') + std::string(16, '#'));
}

TEST(PenStyles, WideDashedPensDrawSolid) {
  Bitmap b(100, 10);
  b.Dc().SetPen(MakePen(PenStyle::psDot, 2, kBlue));
  b.Dc().MoveTo(2, 5);
  b.Dc().LineTo(90, 5);
  EXPECT_EQ(RowPattern(b, 5, 2, 90, Px(kBlue)), std::string(88, '#'));
}

TEST(PenStyles, ClearPenDrawsNothing) {
  Bitmap b(20, 20);
  b.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsClear, 0));
  b.Dc().MoveTo(0, 0);
  b.Dc().LineTo(19, 19);
  b.Dc().Rectangle(2, 2, 10, 10);
  b.Dc().Ellipse(2, 2, 10, 10);
  EXPECT_EQ(InkBox(b), TRect{});
}

// Whether pixel (x, y) is a line of the hatch.
bool OnHatch(BrushStyle s, int x, int y) {
  const int mx = x & 7, my = y & 7;
  const bool h = my == 3, v = mx == 4, f = mx == my, d = ((mx + my) & 7) == 7;
  switch (s) {
    case BrushStyle::bsHorizontal: return h;
    case BrushStyle::bsVertical: return v;
    case BrushStyle::bsFDiagonal: return f;
    case BrushStyle::bsBDiagonal: return d;
    case BrushStyle::bsCross: return h || v;
    case BrushStyle::bsDiagCross: return f || d;
    default: return false;
  }
}

TEST(BrushStyles, HatchesAreAlignedToTheSurfaceOrigin) {
  const BrushStyle hatches[] = {BrushStyle::bsHorizontal, BrushStyle::bsVertical, BrushStyle::bsFDiagonal,
                                BrushStyle::bsBDiagonal,  BrushStyle::bsCross,    BrushStyle::bsDiagCross};
  for (BrushStyle s : hatches) {
    Bitmap b(30, 30);
    b.Dc().SetBrush(MakeBrush(s, kBlue));
    b.Dc().SetBkColor(kYellow);
    b.Dc().FillRect(TRect{3, 5, 20, 22});  // an odd offset must not shift the pattern
    int wrong = 0;
    for (int y = 5; y < 22; ++y)
      for (int x = 3; x < 20; ++x) wrong += b.Pixel(x, y) != (OnHatch(s, x, y) ? Px(kBlue) : Px(kYellow));
    EXPECT_EQ(wrong, 0) << static_cast<int>(s);
    EXPECT_EQ(b.Pixel(2, 10), kWhitePx);
  }
}

TEST(BrushStyles, TransparentHatchesLeaveTheGaps) {
  Bitmap b(30, 30);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kGreen));
  b.Dc().FillRect(TRect{0, 0, 30, 30});
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsCross, kBlue));
  b.Dc().SetBkMode(kTransparent);
  b.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  b.Dc().Rectangle(0, 0, 30, 30);
  int wrong = 0;
  for (int y = 0; y < 29; ++y)
    for (int x = 0; x < 29; ++x)
      wrong += b.Pixel(x, y) != (OnHatch(BrushStyle::bsCross, x, y) ? Px(kBlue) : Px(kGreen));
  EXPECT_EQ(wrong, 0);
}

TEST(BrushStyles, BackgroundChangesReachTheSelectedBrush) {
  Bitmap b(40, 20);
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kGreen));
  b.Dc().FillRect(TRect{0, 0, 40, 20});
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsCross, kBlue));
  b.Dc().Rectangle(0, 0, 20, 20);
  b.Dc().SetBkMode(kTransparent);
  b.Dc().Rectangle(20, 0, 40, 20);
  EXPECT_EQ(b.Pixel(6, 6), kWhitePx);
  EXPECT_EQ(b.Pixel(26, 6), Px(kGreen));
  b.Dc().SetBkMode(kOpaque);
  b.Dc().SetBkColor(kYellow);
  b.Dc().Rectangle(20, 0, 40, 20);
  EXPECT_EQ(b.Pixel(26, 6), Px(kYellow));
}

TEST(BrushStyles, PatternBitmapsTileFromTheOrigin) {
  Bitmap pattern(4, 3);
  pattern.Dc().SetPixel(0, 0, kRed);
  pattern.Dc().SetPixel(3, 2, kBlue);
  Bitmap b(20, 20);
  Brush brush;
  brush.pattern = &pattern;
  b.Dc().SetBrush(brush);
  b.Dc().FillRect(TRect{1, 1, 19, 19});
  EXPECT_EQ(b.Pixel(4, 3), Px(kRed));
  EXPECT_EQ(b.Pixel(8, 6), Px(kRed));
  EXPECT_EQ(b.Pixel(7, 5), Px(kBlue));
  EXPECT_EQ(b.Pixel(5, 3), kWhitePx);
  EXPECT_EQ(b.Pixel(0, 0), kWhitePx);
  EXPECT_EQ(CountPixels(b, Px(kRed)), 4 * 6);
}

}  // namespace
}  // namespace pg::platform
