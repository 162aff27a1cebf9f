// Shapes drawn one after another through the raster's reused buffers, and the
// same shapes copied (painted as they are found) or combined with the
// destination (collected first, so that each pixel is painted once).
#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

Pen XorPen(int width = 1) {
  Pen p = MakePen(PenStyle::psSolid, width, Rgb(255, 255, 255));
  p.mode = PenMode::pmXor;
  return p;
}

// A big filled ellipse, a wide-pen one and text first leave buffers full of
// their pixels; a small square drawn after them, far away, must get exactly its own.
TEST(RasterReuse, ShapesAfterLargeOnesGetOnlyTheirOwnPixels) {
  Bitmap big(600, 400);
  big.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  big.Dc().SetPen(XorPen(5));
  big.Dc().Ellipse(-50, -40, 650, 440);
  big.Dc().TextOutAt(100, 100, "Reused buffers");

  Bitmap b(600, 400);
  b.Dc().SetPen(MakePen(PenStyle::psClear, 1, 0));
  b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kBlue));
  Pen xorFill = MakePen(PenStyle::psClear, 1, 0);
  xorFill.mode = PenMode::pmXor;
  b.Dc().SetPen(xorFill);
  const TPoint square[] = {{500, 300}, {510, 300}, {510, 310}, {500, 310}};
  b.Dc().Polygon(square);
  EXPECT_EQ(InkBox(b), (TRect{500, 300, 510, 310}));
  EXPECT_EQ(CountPixels(b, kWhitePx), 600 * 400 - 100);
}

// A path whose segments meet, a pie's outline (whose radials meet its arc) and
// a star filled by the winding rule change each pixel once under exclusive-or:
// on black, a white XOR leaves white exactly where a white copy paints. (A path
// crossing itself is not: GDI toggles its crossing twice.)
TEST(RasterReuse, ExclusiveOrShapesPaintEachPixelOnce) {
  auto draw = [](Bitmap& b, PenMode mode) {
    b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, 0));
    b.Dc().FillRect(TRect{0, 0, b.Width(), b.Height()});
    Pen pen = MakePen(PenStyle::psSolid, 1, Rgb(255, 255, 255));
    pen.mode = mode;
    b.Dc().SetPen(pen);
    b.Dc().SetBrush(MakeBrush(BrushStyle::bsClear, 0));
    const TPoint path[] = {{10, 10}, {100, 100}, {100, 10}, {60, 10}, {60, 40}};
    b.Dc().Polyline(path);
    b.Dc().Pie(10, 120, 100, 210, 100, 165, 55, 120);
    Pen none = MakePen(PenStyle::psClear, 1, 0);
    none.mode = mode;
    b.Dc().SetPen(none);
    b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(255, 255, 255)));
    b.Dc().SetPolyFillMode(kWinding);
    const TPoint star[] = {{165, 5}, {200, 110}, {110, 40}, {220, 40}, {130, 110}};
    b.Dc().Polygon(star);
  };
  Bitmap copied(230, 220), xored(230, 220);
  draw(copied, PenMode::pmCopy);
  draw(xored, PenMode::pmXor);
  EXPECT_GT(CountPixels(copied, kWhitePx), 3000);
  for (int y = 0; y < 220; ++y)
    for (int x = 0; x < 230; ++x) ASSERT_EQ(copied.Pixel(x, y), xored.Pixel(x, y)) << x << "," << y;
}

// A copy paints shapes as it finds their runs: the same pixels as a shape
// drawn through a coverage, here a white merge (OR) onto black, which leaves
// every pixel it touches white however often.
TEST(RasterReuse, CopiedShapesCoverWhatCollectedOnesCover) {
  auto draw = [](Bitmap& b, bool merge) {
    Brush black = MakeBrush(BrushStyle::bsSolid, 0);
    b.Dc().SetBrush(black);
    b.Dc().FillRect(TRect{0, 0, b.Width(), b.Height()});
    Pen pen = MakePen(PenStyle::psSolid, 1, Rgb(255, 255, 255));
    if (merge) pen.mode = PenMode::pmMerge;
    b.Dc().SetPen(pen);
    b.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(255, 255, 255)));
    const TPoint slice[] = {{100, 60}, {190, 60}, {180, 20}, {150, 5}};
    b.Dc().Polygon(slice);
    b.Dc().Pie(10, 10, 190, 110, 10, 60, 100, 110);
    b.Dc().RoundRect(20, 70, 80, 115, 20, 16);
    // Rectangle outlines: copied as whole runs, merged as stepped pixels.
    b.Dc().Rectangle(120, 70, 122, 100);  // two wide
    b.Dc().Rectangle(130, 70, 170, 72);   // two high
    b.Dc().SetBrush(MakeBrush(BrushStyle::bsClear, 0));
    b.Dc().Rectangle(150, 80, 260, 140);  // past the right and bottom edges
    b.Dc().ClipRect(TRect{0, 0, 60, 60});
    b.Dc().Rectangle(40, 30, 90, 50);  // cut by the clip
    b.Dc().RemoveClip();
  };
  Bitmap copied(200, 120), combined(200, 120);
  draw(copied, false);
  draw(combined, true);
  const TPoint dashes[] = {{5, 5}, {195, 115}};
  for (Bitmap* b : {&copied, &combined}) {
    Pen dotted = MakePen(PenStyle::psDot, 1, Rgb(255, 255, 255));
    if (b == &combined) dotted.mode = PenMode::pmMerge;
    b->Dc().SetPen(dotted);
    b->Dc().SetBkMode(kTransparent);
    b->Dc().Polyline(dashes);
  }
  EXPECT_GT(CountPixels(copied, kWhitePx), 5000);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(copied.Pixel(x, y), combined.Pixel(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace pg::platform
