#include <algorithm>

#include "platform/bitmap.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32/gdi_device_context.h"
#include "platform/win32/text/wide_text.h"

namespace pg::platform::win32 {

HPEN MakePen(const Pen& pen) {
  int style = PS_SOLID;
  switch (pen.style) {
    case PenStyle::psSolid: style = PS_SOLID; break;
    case PenStyle::psDash: style = PS_DASH; break;
    case PenStyle::psDot: style = PS_DOT; break;
    case PenStyle::psDashDot: style = PS_DASHDOT; break;
    case PenStyle::psDashDotDot: style = PS_DASHDOTDOT; break;
    case PenStyle::psClear: return nullptr;
    case PenStyle::psInsideFrame: style = PS_INSIDEFRAME; break;
    case PenStyle::psAlternate: {
      const LOGBRUSH solid{BS_SOLID, ColorToRgb(pen.color), 0};
      return ::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &solid, 0, nullptr);
    }
  }
  return ::CreatePen(style, pen.width, ColorToRgb(pen.color));
}

HBRUSH MakeBrush(const Brush& brush) {
  if (brush.pattern) {
    const auto& impl = brush.pattern->impl();
    return impl.bitmap ? ::CreatePatternBrush(impl.bitmap) : nullptr;
  }
  const COLORREF c = ColorToRgb(brush.color);
  switch (brush.style) {
    case BrushStyle::bsSolid: return ::CreateSolidBrush(c);
    case BrushStyle::bsClear: return nullptr;
    case BrushStyle::bsHorizontal: return ::CreateHatchBrush(HS_HORIZONTAL, c);
    case BrushStyle::bsVertical: return ::CreateHatchBrush(HS_VERTICAL, c);
    case BrushStyle::bsFDiagonal: return ::CreateHatchBrush(HS_FDIAGONAL, c);
    case BrushStyle::bsBDiagonal: return ::CreateHatchBrush(HS_BDIAGONAL, c);
    case BrushStyle::bsCross: return ::CreateHatchBrush(HS_CROSS, c);
    case BrushStyle::bsDiagCross: return ::CreateHatchBrush(HS_DIAGCROSS, c);
  }
  return nullptr;
}

LOGFONTW MakeLogFont(const Font& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.height;
  // A negative width has no meaning to GDI.
  lf.lfWidth = std::clamp(font.width, 0, kMaxFontPixels);
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
  // The default character set is the module's own, Cyrillic, as on the Russian
  // systems it was made for: on any other system the font still has the
  // glyphs, and GDI reads single-byte text in code page 1251, as the portable
  // platform does.
  const int charset = font.charset & 0xFF;
  lf.lfCharSet = static_cast<BYTE>(charset == DEFAULT_CHARSET ? RUSSIAN_CHARSET : charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  // Unsmoothed glyphs unless a picture's font asks otherwise: pictures stay the
  // same from machine to machine and match the portable build's rendering.
  lf.lfQuality = font.smooth ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // GDI keeps the first LF_FACESIZE - 1 units of a longer name, as CreateFont does.
  const std::wstring face = Wide(font.face);
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return lf;
}

HFONT MakeFont(const Font& font) {
  const LOGFONTW lf = MakeLogFont(font);
  return ::CreateFontIndirectW(&lf);
}

}  // namespace pg::platform::win32
