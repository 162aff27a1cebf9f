#include "platform/win32/gdi_device_context.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/win32/bitmap_impl.h"
#include "platform/win32/coordinate_guard.h"
#include "platform/win32/text/text_outline.h"

namespace pg::platform::win32 {

namespace {

std::vector<POINT> ToPoints(std::span<const TPoint> points) {
  std::vector<POINT> out;
  out.reserve(points.size());
  for (const TPoint& p : points) out.push_back(POINT{p.x, p.y});
  return out;
}

int ClampedLength(std::string_view text) {
  return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

HDC SourceDc(const Bitmap& src) { return src.impl().dc; }

}  // namespace

GdiDeviceContext::GdiDeviceContext(HDC dc) : dc_(dc) {
  originalPen_ = ::SelectObject(dc_, ::GetStockObject(BLACK_PEN));
  originalBrush_ = ::SelectObject(dc_, ::GetStockObject(WHITE_BRUSH));
  originalFont_ = ::SelectObject(dc_, ::GetStockObject(SYSTEM_FONT));
  PenChanged();
  BrushChanged();
  FontChanged();
  AttributesChanged();
}

GdiDeviceContext::~GdiDeviceContext() {
  ::SelectObject(dc_, originalPen_);
  ::SelectObject(dc_, originalBrush_);
  ::SelectObject(dc_, originalFont_);
  if (pen_) ::DeleteObject(pen_);
  if (brush_) ::DeleteObject(brush_);
  if (font_) ::DeleteObject(font_);
}

void GdiDeviceContext::PenChanged() {
  HPEN made = MakePen(GetPen());
  ::SelectObject(dc_, made ? static_cast<HGDIOBJ>(made) : ::GetStockObject(NULL_PEN));
  if (pen_) ::DeleteObject(pen_);
  pen_ = made;
  ::SetROP2(dc_, static_cast<int>(GetPen().mode));
}

void GdiDeviceContext::BrushChanged() {
  HBRUSH made = MakeBrush(GetBrush());
  ::SelectObject(dc_, made ? static_cast<HGDIOBJ>(made) : ::GetStockObject(NULL_BRUSH));
  if (brush_) ::DeleteObject(brush_);
  brush_ = made;
}

void GdiDeviceContext::FontChanged() {
  HFONT made = MakeFont(GetFont());
  ::SelectObject(dc_, made ? static_cast<HGDIOBJ>(made) : ::GetStockObject(SYSTEM_FONT));
  if (font_) ::DeleteObject(font_);
  font_ = made;
  TEXTMETRICA tm{};
  fontHeight_ = ::GetTextMetricsA(dc_, &tm) ? tm.tmHeight : 0;
}

void GdiDeviceContext::AttributesChanged() {
  ::SetTextColor(dc_, ColorToRgb(GetTextColor()));
  const COLORREF bk = ColorToRgb(GetBkColor());
  const bool backgroundChanged = ::GetBkColor(dc_) != bk || ::GetBkMode(dc_) != GetBkMode();
  ::SetBkColor(dc_, bk);
  ::SetBkMode(dc_, GetBkMode());
  if (backgroundChanged) {
    // Wine fixes a hatch's background when the brush is selected: select the
    // pen and brush again so they see the new background.
    HGDIOBJ brush = ::SelectObject(dc_, ::GetStockObject(NULL_BRUSH));
    ::SelectObject(dc_, brush);
    HGDIOBJ pen = ::SelectObject(dc_, ::GetStockObject(NULL_PEN));
    ::SelectObject(dc_, pen);
  }
  ::SetTextAlign(dc_, GetTextAlign());
  ::SetPolyFillMode(dc_, GetPolyFillMode());
}

void GdiDeviceContext::MoveTo(int x, int y) {
  position_ = TPoint{x, y};
  ::MoveToEx(dc_, Guard(x), Guard(y), nullptr);
}

void GdiDeviceContext::LineTo(int x, int y) {
  TPoint a = position_, b{x, y};
  position_ = b;
  if (CutSegment(a, b)) {
    ::MoveToEx(dc_, a.x, a.y, nullptr);
    ::LineTo(dc_, b.x, b.y);
  }
  ::MoveToEx(dc_, Guard(x), Guard(y), nullptr);
}

void GdiDeviceContext::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2 || points.size() > INT_MAX) return;
  if (std::all_of(points.begin(), points.end(), Inside)) {
    const auto pts = ToPoints(points);
    ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
    return;
  }
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    TPoint a = points[i], b = points[i + 1];
    if (!CutSegment(a, b)) continue;
    const POINT seg[] = {{a.x, a.y}, {b.x, b.y}};
    ::Polyline(dc_, seg, 2);
  }
}

void GdiDeviceContext::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2 || points.size() > INT_MAX) return;
  const auto pts = std::all_of(points.begin(), points.end(), Inside) ? ToPoints(points) : CutPolygon(points);
  if (pts.size() >= 2) ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
}

void GdiDeviceContext::Rectangle(int left, int top, int right, int bottom) {
  ::Rectangle(dc_, Guard(left), Guard(top), Guard(right), Guard(bottom));
}

void GdiDeviceContext::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  ::RoundRect(dc_, Guard(left), Guard(top), Guard(right), Guard(bottom), Guard(cornerWidth), Guard(cornerHeight));
}

void GdiDeviceContext::Ellipse(int left, int top, int right, int bottom) {
  ::Ellipse(dc_, Guard(left), Guard(top), Guard(right), Guard(bottom));
}

void GdiDeviceContext::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  ::Pie(dc_, Guard(left), Guard(top), Guard(right), Guard(bottom), Guard(x3), Guard(y3), Guard(x4), Guard(y4));
}

void GdiDeviceContext::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  ::Arc(dc_, Guard(left), Guard(top), Guard(right), Guard(bottom), Guard(x3), Guard(y3), Guard(x4), Guard(y4));
}

void GdiDeviceContext::FillRect(const TRect& input) {
  const TRect r = Guard(input);
  const RECT rc{r.left, r.top, r.right, r.bottom};
  if (brush_) ::FillRect(dc_, &rc, brush_);
}

void GdiDeviceContext::SetPixel(int x, int y, Color c) { ::SetPixel(dc_, Guard(x), Guard(y), ColorToRgb(c)); }

std::uint32_t GdiDeviceContext::GetPixel(int x, int y) const {
  const COLORREF c = ::GetPixel(dc_, x, y);
  if (c == CLR_INVALID) return 0;
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

void GdiDeviceContext::TextOutAt(int x, int y, std::string_view text) {
  if (fontHeight_ > kOutlineTextHeight) {
    FillTextOutline(dc_, Guard(x), Guard(y), text);
    return;
  }
  ::TextOutA(dc_, Guard(x), Guard(y), text.data(), ClampedLength(text));
}

TSize GdiDeviceContext::TextExtent(std::string_view text) {
  SIZE s{};
  if (!::GetTextExtentPoint32A(dc_, text.data(), ClampedLength(text), &s)) return {};
  return TSize{s.cx, s.cy};
}

std::vector<int> GdiDeviceContext::CharacterStarts(std::string_view text) {
  // GDI steps unsmoothed glyphs by the advances of their one-bit images, which
  // need not be the widths it measures text by: Wine measures with the unhinted
  // advances rounded, and draws a letter that hinting widens a pixel further on.
  // Smoothed glyphs and those drawn as outlines keep the measured widths.
  if (GetFont().smooth || fontHeight_ > kOutlineTextHeight) return DeviceContext::CharacterStarts(text);
  static const MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  std::vector<int> starts(text.size() + 1, 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    GLYPHMETRICS gm{};
    const UINT c = static_cast<unsigned char>(text[i]);
    const bool known = ::GetGlyphOutlineA(dc_, c, GGO_BITMAP, &gm, 0, nullptr, &kIdentity) != GDI_ERROR;
    starts[i + 1] = NextStart(starts[i], known ? gm.gmCellIncX : TextExtent(text.substr(i, 1)).cx);
  }
  return starts;
}

TextMetrics GdiDeviceContext::GetFontMetrics() {
  TEXTMETRICA tm{};
  if (!::GetTextMetricsA(dc_, &tm)) return {};
  return TextMetrics{tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading,
                     tm.tmAveCharWidth, tm.tmMaxCharWidth};
}

void GdiDeviceContext::ClipRect(const TRect& input) {
  const TRect r = Guard(input);
  HRGN rgn = ::CreateRectRgn(r.left, r.top, r.right, r.bottom);
  ::SelectClipRgn(dc_, rgn);
  ::DeleteObject(rgn);
}

void GdiDeviceContext::ClipPolygon(std::span<const TPoint> points) {
  if (points.size() > INT_MAX) return;
  const auto pts = CutPolygon(points);
  HRGN rgn = pts.size() >= 3 ? ::CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), ALTERNATE) : nullptr;
  if (!rgn) rgn = ::CreateRectRgn(0, 0, 0, 0);
  ::SelectClipRgn(dc_, rgn);
  ::DeleteObject(rgn);
}

void GdiDeviceContext::RemoveClip() { ::SelectClipRgn(dc_, nullptr); }

void GdiDeviceContext::BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                              BlitRop rop) {
  if (src.Empty()) return;
  ::BitBlt(dc_, Guard(x), Guard(y), Guard(width), Guard(height), SourceDc(src), Guard(srcX), Guard(srcY),
           static_cast<DWORD>(rop));
}

void GdiDeviceContext::StretchBlt(const TRect& destIn, const Bitmap& src, const TRect& srcIn, BlitRop rop) {
  if (src.Empty()) return;
  const TRect dest = Guard(destIn), srcRect = Guard(srcIn);
  ::SetStretchBltMode(dc_, COLORONCOLOR);
  ::StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), SourceDc(src), srcRect.left, srcRect.top,
               srcRect.Width(), srcRect.Height(), static_cast<DWORD>(rop));
}

}  // namespace pg::platform::win32
