// Text placement, measurement and character sets. Glyph shapes differ between
// the builds' font rasterisers, so these check properties rather than pixels.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"

namespace pg::platform {
namespace {

using namespace testing;

TEST(TextDrawing, ExtentsArePositiveStableAndAdditive) {
  Bitmap b(10, 10);
  DeviceContext& dc = b.Dc();
  dc.SetFont(ArialOf(-11));
  const TSize hello = dc.TextExtent("Hello");
  EXPECT_GT(hello.cx, 15);
  EXPECT_LT(hello.cx, 40);
  EXPECT_EQ(hello.cy, dc.GetFontMetrics().height);
  EXPECT_EQ(dc.TextExtent("Hello"), hello);
  EXPECT_EQ(dc.TextExtent("HelloHello").cx, 2 * hello.cx);
  EXPECT_EQ(dc.TextExtent("").cx, 0);

  Font bold = ArialOf(-11);
  bold.weight = 700;
  dc.SetFont(bold);
  EXPECT_GT(dc.TextExtent("Hello").cx, hello.cx);
  // The same request gives the same metrics after other fonts were used.
  dc.SetFont(ArialOf(-11));
  EXPECT_EQ(dc.TextExtent("Hello"), hello);
}

TEST(TextDrawing, HeightsAreCharacterOrCellHeights) {
  Bitmap b(10, 10);
  for (const char* face : {"Arial", "Times New Roman", "Courier New", "No Such Face"}) {
    Font f = ArialOf(-16);
    f.face = face;
    b.Dc().SetFont(f);
    TextMetrics m = b.Dc().GetFontMetrics();
    EXPECT_EQ(m.height, m.ascent + m.descent) << face;
    EXPECT_NEAR(m.height - m.internalLeading, 16, 1) << face;
    EXPECT_GT(m.aveCharWidth, 0) << face;
    EXPECT_GE(m.maxCharWidth, m.aveCharWidth) << face;
    f.height = 20;
    b.Dc().SetFont(f);
    EXPECT_EQ(b.Dc().GetFontMetrics().height, 20) << face;
  }
}

TEST(TextDrawing, AlignmentPlacesTheReferencePoint) {
  Bitmap b(200, 60);
  DeviceContext& dc = b.Dc();
  dc.SetFont(ArialOf(-16));
  dc.SetBkMode(kTransparent);
  const TSize size = dc.TextExtent("HHHH");
  const TextMetrics m = dc.GetFontMetrics();

  dc.TextOutAt(20, 10, "HHHH");
  TRect ink = InkBox(b);
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.left, 23);
  EXPECT_EQ(ink.bottom, 10 + m.ascent);  // H stands on the baseline

  Bitmap c(200, 60);
  c.Dc().SetFont(ArialOf(-16));
  c.Dc().SetBkMode(kTransparent);
  c.Dc().SetTextAlign(kTaCenter | kTaBaseline);
  c.Dc().TextOutAt(100, 40, "HHHH");
  ink = InkBox(c);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 2.0);
  EXPECT_EQ(ink.bottom, 40);
  EXPECT_EQ(c.Dc().GetTextAlign(), kTaCenter | kTaBaseline);

  Bitmap r(200, 60);
  r.Dc().SetFont(ArialOf(-16));
  r.Dc().SetBkMode(kTransparent);
  r.Dc().SetTextAlign(kTaRight | kTaBottom);
  r.Dc().TextOutAt(150, 50, "HHHH");
  ink = InkBox(r);
  EXPECT_LE(ink.right, 150);
  EXPECT_GE(ink.right, 150 - 8);  // the last letter's side bearing
  EXPECT_EQ(ink.bottom, 50 - m.descent);
  EXPECT_LE(ink.Width(), size.cx);
}

TEST(TextDrawing, OpaqueTextFillsItsExtentInTheBackgroundColour) {
  Bitmap b(100, 40);
  DeviceContext& dc = b.Dc();
  dc.SetTextColor(kBlue);
  dc.SetBkColor(kYellow);
  dc.TextOutAt(5, 6, "Wg");
  const TSize size = dc.TextExtent("Wg");
  EXPECT_EQ(InkBox(b), (TRect{5, 6, 5 + size.cx, 6 + size.cy}));
  // Unsmoothed: every pixel is text or background.
  EXPECT_EQ(CountPixels(b, Px(kBlue)) + CountPixels(b, Px(kYellow)), size.cx * size.cy);
  EXPECT_GT(CountPixels(b, Px(kBlue)), 10);
}

TEST(TextDrawing, BytesAreReadInTheFontsCharacterSet) {
  // 0xD2 is Cyrillic Te in code page 1251 and O with a grave accent in 1252.
  Font cyrillic = ArialOf(-20);
  cyrillic.charset = 204;
  Font western = ArialOf(-20);
  western.charset = 0;
  Bitmap te(60, 40), grave(60, 40);
  te.Dc().SetFont(cyrillic);
  grave.Dc().SetFont(western);
  te.Dc().TextOutAt(5, 5, "\xD2");
  grave.Dc().TextOutAt(5, 5, "\xD2");
  const TRect t = InkBox(te, kWhitePx), g = InkBox(grave, kWhitePx);
  EXPECT_GT(CountPixels(te, 0), 10);
  // Both stand on the baseline; only the O has an accent above the capital height.
  EXPECT_EQ(t.bottom, g.bottom);
  EXPECT_LT(g.top, t.top);
}

TEST(TextDrawing, UnderlineAndStrikeOutAddBars) {
  Font plain = ArialOf(-16);
  Font under = plain, strike = plain;
  under.underline = true;
  strike.strikeOut = true;
  Bitmap p(100, 30), u(100, 30), s(100, 30);
  p.Dc().SetFont(plain);
  u.Dc().SetFont(under);
  s.Dc().SetFont(strike);
  for (Bitmap* b : {&p, &u, &s}) b->Dc().TextOutAt(2, 2, "ace");
  const int width = p.Dc().TextExtent("ace").cx;
  const int ascent = p.Dc().GetFontMetrics().ascent;
  int underRow = -1, strikeRow = -1;
  for (int y = 0; y < 30; ++y) {
    if (RowPattern(u, y, 2, 2 + width, 0) == std::string(static_cast<std::size_t>(width), '#')) underRow = y;
    if (RowPattern(s, y, 2, 2 + width, 0) == std::string(static_cast<std::size_t>(width), '#')) strikeRow = y;
  }
  EXPECT_GE(underRow, 2 + ascent);
  EXPECT_LT(strikeRow, 2 + ascent);
  EXPECT_GT(strikeRow, 2 + ascent - 10);
}


// Glyphs are rendered once and kept, and those of the font drawn last are
// remembered by byte: a text drawn again after another font looks as it did.
TEST(TextDrawing, TextLooksTheSameAfterAnotherFont) {
  auto draw = [](const Font& font, const char* text) {
    auto b = std::make_unique<Bitmap>(160, 40);
    b->Dc().SetFont(font);
    b->Dc().SetBkMode(kTransparent);
    b->Dc().TextOutAt(2, 2, text);
    return b;
  };
  auto same = [](const Bitmap& a, const Bitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
  };
  const char* text = "Hello, Wgq 123";
  const auto first = draw(ArialOf(-13), text);
  Font bold = ArialOf(-13);
  bold.weight = 700;
  draw(bold, text);
  EXPECT_TRUE(same(*first, *draw(ArialOf(-13), text)));
}

// Text running off the picture's edges is cut there, pixel for pixel as the
// same text drawn wholly inside a larger picture.
TEST(TextDrawing, TextOffTheEdgesIsCutNotMoved) {
  const char* text = "Wgq|Hello";
  Bitmap whole(120, 40);
  whole.Dc().SetFont(ArialOf(-16));
  whole.Dc().SetBkMode(kTransparent);
  whole.Dc().TextOutAt(20, 10, text);
  for (const TPoint at : {TPoint{-6, -5}, TPoint{30, 12}, TPoint{-30, 0}}) {
    Bitmap part(50, 14);
    part.Dc().SetFont(ArialOf(-16));
    part.Dc().SetBkMode(kTransparent);
    part.Dc().TextOutAt(at.x, at.y, text);
    int differing = 0;
    for (int y = 0; y < part.Height(); ++y)
      for (int x = 0; x < part.Width(); ++x) {
        const int wx = x - at.x + 20, wy = y - at.y + 10;
        const bool inWhole = wx >= 0 && wy >= 0 && wx < whole.Width() && wy < whole.Height();
        differing += part.Pixel(x, y) != (inWhole ? whole.Pixel(wx, wy) : kWhitePx);
      }
    EXPECT_EQ(differing, 0) << at.x << "," << at.y;
  }
}

}  // namespace
}  // namespace pg::platform
