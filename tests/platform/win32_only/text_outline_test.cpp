// Huge text drawn from glyph outlines looks as TextOut draws it: the same
// glyphs with their underline and strike-out, the same opaque box, placed by
// the same alignment; only edge pixels may round the other way.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/text/text_outline.h"

namespace pg::platform::win32 {
namespace {

struct Dib {
  static constexpr int kWidth = 900, kHeight = 600;
  HDC dc = ::CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  HFONT font = nullptr;
  HGDIOBJ oldFont = nullptr;

  explicit Dib(int fontHeight) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    oldBitmap = ::SelectObject(dc, bitmap);
    ::PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
    font = ::CreateFontA(fontHeight, 0, 0, 0, FW_BOLD, TRUE, TRUE, TRUE, RUSSIAN_CHARSET, 0, 0,
                         NONANTIALIASED_QUALITY, 0, "Arial");
    oldFont = ::SelectObject(dc, font);
    ::SetTextColor(dc, RGB(0, 0, 255));
    ::SetBkColor(dc, RGB(255, 255, 0));
  }
  ~Dib() {
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  }
  std::uint32_t Pixel(int i) const { return static_cast<const std::uint32_t*>(bits)[i] & 0xFFFFFF; }
};

struct Difference {
  int ink = 0, differ = 0;
};

// Draws the same text both ways and counts the pixels of colour and those that differ.
Difference Compare(int fontHeight, int bkMode, UINT align, int x, int y) {
  const std::string text = "Ag\xC4\xE0";  // "AgДа" in code page 1251
  Dib plain(fontHeight), outline(fontHeight);
  for (Dib* d : {&plain, &outline}) {
    ::SetBkMode(d->dc, bkMode);
    ::SetTextAlign(d->dc, align);
  }
  ::TextOutA(plain.dc, x, y, text.data(), static_cast<int>(text.size()));
  FillTextOutline(outline.dc, x, y, text);
  Difference d;
  for (int i = 0; i < Dib::kWidth * Dib::kHeight; ++i) {
    d.ink += plain.Pixel(i) != 0xFFFFFF;
    d.differ += plain.Pixel(i) != outline.Pixel(i);
  }
  return d;
}

TEST(TextOutline, DrawsWhatTextOutDraws) {
  for (const int bkMode : {TRANSPARENT, OPAQUE})
    for (const UINT align : {UINT{TA_LEFT | TA_TOP}, UINT{TA_CENTER | TA_BASELINE}, UINT{TA_RIGHT | TA_BOTTOM}}) {
      SCOPED_TRACE(std::to_string(bkMode) + " " + std::to_string(align));
      const int x = align & TA_CENTER ? Dib::kWidth / 2 : align & TA_RIGHT ? Dib::kWidth - 10 : 10;
      const int y = (align & TA_BASELINE) == TA_BASELINE ? 400 : align & TA_BOTTOM ? 580 : 10;
      const Difference d = Compare(-(kOutlineTextHeight + 44), bkMode, align, x, y);
      EXPECT_GT(d.ink, 40000);
      // Edges only: a few per cent of what is drawn.
      EXPECT_LT(d.differ, d.ink / 25) << d.differ << " of " << d.ink;
    }
}

}  // namespace
}  // namespace pg::platform::win32
