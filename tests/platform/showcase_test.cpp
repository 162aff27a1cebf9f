// One picture with every kind of drawing, saved as PNG and BMP for people to look
// at (into $PG_PICTURE_DIR when set) and checked for what must hold anywhere.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "framework/text/codepage.h"
#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

void DrawShowcase(DeviceContext& dc) {
  // Background bands and a frame.
  for (int i = 0; i < 16; ++i) {
    dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(255, 255 - i * 4, 200 + i * 3)));
    dc.FillRect(TRect{0, i * 20, 480, i * 20 + 20});
  }
  dc.SetBrush(MakeBrush(BrushStyle::bsClear, 0));
  dc.Rectangle(0, 0, 480, 320);

  // A pie of five slices, the last one exploded.
  const Color colours[] = {Rgb(255, 0, 0), Rgb(0, 128, 0), Rgb(255, 255, 0), Rgb(0, 0, 255), Rgb(255, 0, 255)};
  const double values[] = {30, 20, 25, 15, 10};
  double angle = 0;
  for (int i = 0; i < 5; ++i) {
    const double a0 = angle, a1 = angle + values[i] / 100 * 2 * 3.14159265358979;
    angle = a1;
    const int dx = i == 4 ? static_cast<int>(std::lround(std::cos((a0 + a1) / 2) * 10)) : 0;
    const int dy = i == 4 ? -static_cast<int>(std::lround(std::sin((a0 + a1) / 2) * 10)) : 0;
    const int cx = 90 + dx, cy = 90 + dy;
    dc.SetBrush(MakeBrush(BrushStyle::bsSolid, colours[i]));
    dc.Pie(cx - 70, cy - 60, cx + 70, cy + 60, cx + static_cast<int>(std::lround(std::cos(a0) * 100)),
           cy - static_cast<int>(std::lround(std::sin(a0) * 100)), cx + static_cast<int>(std::lround(std::cos(a1) * 100)),
           cy - static_cast<int>(std::lround(std::sin(a1) * 100)));
  }

  // The six hatches, opaque above and transparent below.
  const BrushStyle hatches[] = {BrushStyle::bsHorizontal, BrushStyle::bsVertical, BrushStyle::bsFDiagonal,
                                BrushStyle::bsBDiagonal,  BrushStyle::bsCross,    BrushStyle::bsDiagCross};
  for (int i = 0; i < 6; ++i) {
    dc.SetBrush(MakeBrush(hatches[i], Rgb(0, 0, 160)));
    dc.SetBkColor(Rgb(255, 255, 255));
    dc.SetBkMode(kOpaque);
    dc.Rectangle(190 + i * 46, 10, 230 + i * 46, 45);
    dc.SetBkMode(kTransparent);
    dc.Rectangle(190 + i * 46, 50, 230 + i * 46, 85);
  }

  // Pen styles, opaque gaps in light grey.
  const PenStyle styles[] = {PenStyle::psSolid, PenStyle::psDash, PenStyle::psDot, PenStyle::psDashDot,
                             PenStyle::psDashDotDot};
  dc.SetBkMode(kOpaque);
  dc.SetBkColor(Rgb(200, 200, 200));
  for (int i = 0; i < 5; ++i) {
    dc.SetPen(MakePen(styles[i], 1, Rgb(0, 0, 0)));
    dc.MoveTo(190, 100 + i * 8);
    dc.LineTo(470, 100 + i * 8);
  }
  dc.SetPen(MakePen(PenStyle::psSolid, 4, Rgb(128, 0, 0)));
  dc.MoveTo(190, 150);
  dc.LineTo(470, 170);
  dc.SetPen(Pen{});

  // Other shapes.
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(0, 200, 200)));
  dc.Ellipse(20, 170, 100, 220);
  dc.RoundRect(110, 170, 180, 220, 20, 20);
  const TPoint star[] = {{60, 230}, {75, 300}, {20, 255}, {100, 255}, {45, 300}};
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(255, 128, 0)));
  dc.Polygon(star);
  dc.Arc(110, 230, 180, 300, 180, 265, 145, 230);

  // Text in several fonts and alignments.
  dc.SetBkMode(kTransparent);
  Font f;
  f.face = "Arial";
  f.height = -13;
  dc.SetFont(f);
  dc.SetTextColor(Rgb(0, 0, 128));
  dc.TextOutAt(190, 185, "Arial -13, left/top");
  f.weight = 700;
  f.face = "Times New Roman";
  f.height = -18;
  dc.SetFont(f);
  dc.SetTextAlign(kTaCenter | kTaTop);
  dc.TextOutAt(330, 205, "Times bold, centred");
  f = Font{};
  f.face = "Courier New";
  f.height = -14;
  f.charset = 204;
  f.underline = true;
  dc.SetFont(f);
  dc.SetTextAlign(kTaRight | kTaBaseline);
  dc.TextOutAt(470, 245, "Текст по-русски"_cp);
  dc.SetTextAlign(kTaLeft | kTaTop);
  dc.SetBkMode(kOpaque);
  dc.SetBkColor(Rgb(255, 255, 0));
  dc.SetFont(Font{});
  dc.TextOutAt(190, 255, "opaque background");

  // A one-bit picture, copied and stretched, and a clipped ellipse.
  Bitmap mono(40, 30, 1);
  mono.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(200, 0, 0)));
  mono.Dc().Ellipse(2, 2, 38, 28);
  dc.BitBlt(190, 275, 40, 30, mono, 0, 0);
  dc.StretchBlt(TRect{240, 275, 320, 305}, mono, TRect{0, 0, 40, 30});
  dc.ClipRect(TRect{340, 280, 400, 310});
  dc.SetBrush(MakeBrush(BrushStyle::bsDiagCross, Rgb(160, 0, 160)));
  dc.Ellipse(330, 270, 410, 320);
  dc.RemoveClip();
}

TEST(Showcase, EverythingDrawsAndSaves) {
  Bitmap b(480, 320);
  DrawShowcase(b.Dc());
  EXPECT_EQ(b.Pixel(0, 0), 0u);  // the frame
  EXPECT_EQ(b.Pixel(120, 70), Px(Rgb(255, 0, 0)));
  EXPECT_EQ(b.Pixel(335, 300), Px(Rgb(255, 255 - 15 * 4, 200 + 15 * 3)));  // outside the clip

  const char* dir = std::getenv("PG_PICTURE_DIR");
  const std::string base = (dir && *dir ? std::string(dir) + "/" : ::testing::TempDir()) + "platform_showcase";
  ASSERT_TRUE(b.SavePng(base + ".png"));
  ASSERT_TRUE(b.SaveBmp(base + ".bmp"));
}

}  // namespace
}  // namespace pg::platform
