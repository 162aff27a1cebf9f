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

HFONT MakeFont(const Font& font) {
  // The default character set is the module's own, Cyrillic, as on the Russian
  // systems it was made for: on any other system the font still has the
  // glyphs, and GDI reads single-byte text in code page 1251, as the portable
  // platform does.
  const int charset = font.charset & 0xFF;
  const DWORD shown = charset == DEFAULT_CHARSET ? RUSSIAN_CHARSET : static_cast<DWORD>(charset);
  // Unsmoothed glyphs: pictures stay the same from machine to machine and match
  // the portable build's rendering.
  return ::CreateFontW(font.height, std::max(0, font.width), 0, 0, font.weight, font.italic, font.underline, font.strikeOut, shown,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Wide(font.face).c_str());
}

}  // namespace pg::platform::win32
