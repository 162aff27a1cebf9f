// Bitmaps: creation, one-bit reduction, copies, stretching and clipping.
#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

TEST(Bitmaps, NewBitmapsAreWhiteAndOddSizesAreEmpty) {
  Bitmap b(7, 5);
  EXPECT_EQ(b.Width(), 7);
  EXPECT_EQ(b.Height(), 5);
  EXPECT_EQ(b.BitsPerPixel(), 32);
  EXPECT_EQ(CountPixels(b, kWhitePx), 35);
  EXPECT_EQ(b.Pixel(7, 0), 0u);
  EXPECT_EQ(b.Pixel(-1, 0), 0u);
  EXPECT_EQ(Bitmap(3, 3, 1).BitsPerPixel(), 1);
  EXPECT_EQ(Bitmap(3, 3, 8).BitsPerPixel(), 32);

  for (auto [w, h] : {std::pair{0, 5}, {-3, 4}, {40000, 10}, {20000, 20000}}) {
    Bitmap e(w, h);
    EXPECT_TRUE(e.Empty());
    EXPECT_EQ(e.Width(), 0);
    e.Dc().Rectangle(0, 0, 10, 10);
    e.Dc().TextOutAt(0, 0, "x");
    b.Dc().BitBlt(0, 0, 5, 5, e, 0, 0);
  }
  EXPECT_EQ(CountPixels(b, kWhitePx), 35);
}

TEST(Bitmaps, OneBitBitmapsReduceColoursAsGdiDoes) {
  Bitmap m(60, 20, 1);
  DeviceContext& dc = m.Dc();
  dc.SetPen(MakePen(PenStyle::psClear, 1, 0));
  // Drawn colours: black and white stay, the background colour takes its nearer
  // pixel (white for light grey), every other colour the other one.
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(250, 250, 250)));
  dc.Rectangle(0, 0, 11, 11);
  dc.SetBkColor(Rgb(200, 200, 200));
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(200, 200, 200)));
  dc.Rectangle(10, 0, 21, 11);
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  dc.Rectangle(20, 0, 31, 11);
  dc.SetBkColor(0);
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  dc.Rectangle(30, 0, 41, 11);
  EXPECT_EQ(m.Pixel(5, 5), 0u);
  EXPECT_EQ(m.Pixel(15, 5), kWhitePx);
  EXPECT_EQ(m.Pixel(25, 5), 0u);
  EXPECT_EQ(m.Pixel(35, 5), kWhitePx);  // against a black background red is the other pixel
  // The background's pixel is its nearer one: a blue background is black, so blue
  // drawn on it is too, and any other colour white.
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, kBlue));
  dc.SetBkColor(kBlue);
  dc.Rectangle(40, 0, 46, 11);
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, kGreen));
  dc.Rectangle(45, 0, 51, 11);
  EXPECT_EQ(m.Pixel(42, 5), 0u);
  EXPECT_EQ(m.Pixel(47, 5), kWhitePx);
  // Single pixels and copies take the nearer of the two.
  dc.SetPixel(52, 5, Rgb(128, 128, 128));
  dc.SetPixel(53, 5, Rgb(127, 127, 127));
  EXPECT_EQ(m.Pixel(52, 5), kWhitePx);
  EXPECT_EQ(m.Pixel(53, 5), 0u);
  Bitmap colours(30, 10);
  for (int x = 0; x < 30; ++x)
    for (int y = 0; y < 10; ++y) colours.Dc().SetPixel(x, y, Rgb(x * 8, y * 25, 128));
  Bitmap n(30, 10, 1);
  n.Dc().BitBlt(0, 0, 30, 10, colours, 0, 0);
  for (int x = 0; x < 30; ++x)
    for (int y = 0; y < 10; ++y)
      EXPECT_EQ(n.Pixel(x, y), x * 8 + y * 25 + 128 > 382 ? kWhitePx : 0u) << x << "," << y;
  EXPECT_EQ(CountPixels(m, 0) + CountPixels(m, kWhitePx), 60 * 20);
}

TEST(Bitmaps, OneBitSourcesCopyAsBlackAndWhite) {
  Bitmap mono(10, 10, 1);
  mono.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, 0));
  mono.Dc().Rectangle(2, 2, 6, 6);
  Bitmap c(10, 10);
  c.Dc().SetTextColor(kRed);
  c.Dc().SetBkColor(kBlue);
  c.Dc().BitBlt(0, 0, 10, 10, mono, 0, 0);
  EXPECT_EQ(c.Pixel(3, 3), 0u);
  EXPECT_EQ(c.Pixel(8, 8), kWhitePx);
}

TEST(Bitmaps, BitBltCopiesAndCombines) {
  Bitmap src(10, 10);
  src.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  src.Dc().FillRect(TRect{2, 2, 5, 5});
  Bitmap dst(20, 20);
  dst.Dc().BitBlt(10, 11, 4, 4, src, 1, 1);
  EXPECT_EQ(InkBox(dst), (TRect{11, 12, 14, 15}));
  dst.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kBlue));
  dst.Dc().FillRect(TRect{0, 0, 10, 10});
  dst.Dc().BitBlt(0, 0, 10, 10, src, 0, 0, BlitRop::kSrcAnd);
  EXPECT_EQ(dst.Pixel(3, 3), Px(kRed) & Px(kBlue));
  EXPECT_EQ(dst.Pixel(8, 8), Px(kBlue));
  dst.Dc().BitBlt(0, 0, 10, 10, src, 0, 0, BlitRop::kSrcPaint);
  EXPECT_EQ(dst.Pixel(8, 8), kWhitePx);
  dst.Dc().BitBlt(0, 0, 10, 10, src, 0, 0, BlitRop::kSrcInvert);
  EXPECT_EQ(dst.Pixel(8, 8), 0u);
  // Copying a bitmap onto itself reads before it writes.
  Bitmap self(10, 1);
  for (int x = 0; x < 10; ++x) self.Dc().SetPixel(x, 0, Rgb(x, 0, 0));
  self.Dc().BitBlt(1, 0, 9, 1, self, 0, 0);
  for (int x = 1; x < 10; ++x) EXPECT_EQ(self.Pixel(x, 0), Px(Rgb(x - 1, 0, 0)));
}

std::string SourceColumns(const Bitmap& b, int y, int x0, int x1) {
  std::string s;
  for (int x = x0; x < x1; ++x) s += static_cast<char>('0' + ((b.Pixel(x, y) >> 16) & 0xFF) / 10);
  return s;
}

std::string SourceRows(const Bitmap& b, int x, int y0, int y1) {
  std::string s;
  for (int y = y0; y < y1; ++y) s += static_cast<char>('0' + ((b.Pixel(x, y) >> 8) & 0xFF) / 10);
  return s;
}

TEST(Bitmaps, StretchBltPicksPixelsAsGdi) {
  // Source pixel (x, y) has red 10x and green 10y.
  Bitmap src(10, 10);
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) src.Dc().SetPixel(x, y, Rgb(10 * x, 10 * y, 0));
  Bitmap d(60, 30);
  d.Dc().StretchBlt(TRect{0, 0, 10, 7}, src, TRect{0, 0, 4, 3});
  EXPECT_EQ(SourceColumns(d, 0, 0, 10), "0001122233");
  EXPECT_EQ(SourceRows(d, 0, 0, 7), "0011122");
  d.Dc().StretchBlt(TRect{20, 0, 33, 11}, src, TRect{0, 0, 4, 3});
  EXPECT_EQ(SourceColumns(d, 0, 20, 33), "0001111222333");
  EXPECT_EQ(SourceRows(d, 20, 0, 11), "00001112222");
  d.Dc().StretchBlt(TRect{40, 0, 43, 3}, src, TRect{0, 0, 10, 10});
  EXPECT_EQ(SourceColumns(d, 0, 40, 43), "269");
  EXPECT_EQ(SourceRows(d, 40, 0, 3), "037");
  d.Dc().StretchBlt(TRect{45, 0, 52, 6}, src, TRect{0, 0, 10, 10});
  EXPECT_EQ(SourceColumns(d, 0, 45, 52), "0235689");
  EXPECT_EQ(SourceRows(d, 45, 0, 6), "023578");
  // A negative width mirrors, covering the columns left of the given x.
  Bitmap m(20, 10);
  m.Dc().StretchBlt(TRect{15, 0, 5, 10}, src, TRect{0, 0, 10, 10});
  EXPECT_EQ(SourceColumns(m, 0, 6, 16), "9876543210");
}

TEST(Bitmaps, ClipRestrictsEveryKindOfDrawing) {
  Bitmap b(40, 40);
  DeviceContext& dc = b.Dc();
  dc.ClipRect(TRect{10, 10, 20, 20});
  dc.SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  dc.FillRect(TRect{0, 0, 40, 40});
  dc.MoveTo(0, 15);
  dc.LineTo(40, 15);
  dc.TextOutAt(0, 12, "WWWWWWWW");
  Bitmap src(40, 40);
  src.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kBlue));
  src.Dc().FillRect(TRect{0, 0, 40, 40});
  dc.BitBlt(0, 0, 40, 12, src, 0, 0);
  dc.SetPixel(5, 5, kBlue);
  EXPECT_EQ(InkBox(b), (TRect{10, 10, 20, 20}));
  EXPECT_EQ(b.Pixel(15, 11), Px(kBlue));

  dc.RemoveClip();
  dc.SetPixel(5, 5, kBlue);
  EXPECT_EQ(b.Pixel(5, 5), Px(kBlue));

  Bitmap t(40, 40);
  const TPoint triangle[] = {{0, 0}, {40, 0}, {0, 40}};
  t.Dc().ClipPolygon(triangle);
  t.Dc().SetBrush(MakeBrush(BrushStyle::bsSolid, kRed));
  t.Dc().FillRect(TRect{0, 0, 40, 40});
  EXPECT_EQ(t.Pixel(5, 5), Px(kRed));
  EXPECT_EQ(t.Pixel(35, 35), kWhitePx);
  EXPECT_EQ(t.Pixel(25, 25), kWhitePx);
}

}  // namespace
}  // namespace pg::platform
