#include "platform/win32/text/text_outline.h"

#include <algorithm>
#include <climits>

#include "platform/win32/coordinate_guard.h"

namespace pg::platform::win32 {

namespace {

// The box an opaque TextOut fills: the text's advance by the font's cell, placed
// by the alignment.
RECT BackgroundBox(HDC dc, int x, int y, const char* text, int length) {
  SIZE size{};
  TEXTMETRICA tm{};
  if (!::GetTextExtentPoint32A(dc, text, length, &size) || !::GetTextMetricsA(dc, &tm)) return RECT{};
  const UINT align = ::GetTextAlign(dc);
  long long left = x, top = y;
  if ((align & TA_CENTER) == TA_CENTER)
    left -= size.cx / 2;
  else if (align & TA_RIGHT)
    left -= size.cx;
  if ((align & TA_BASELINE) == TA_BASELINE)
    top -= tm.tmAscent;
  else if (align & TA_BOTTOM)
    top -= tm.tmHeight;
  const TRect box = Guard(TRect{static_cast<int>(left), static_cast<int>(top),
                                static_cast<int>(std::min<long long>(left + size.cx, INT_MAX)),
                                static_cast<int>(std::min<long long>(top + tm.tmHeight, INT_MAX))});
  return RECT{box.left, box.top, box.right, box.bottom};
}

}  // namespace

void FillTextOutline(HDC dc, int x, int y, std::string_view text) {
  if (text.empty()) return;
  const int length = text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
  if (::GetBkMode(dc) == OPAQUE) {
    const RECT box = BackgroundBox(dc, x, y, text.data(), length);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, "", 0, nullptr);
  }
  // The path holds the glyphs with their underline and strike-out, as TextOut
  // draws them.
  if (!::BeginPath(dc)) return;
  const bool drawn = ::TextOutA(dc, x, y, text.data(), length) != 0;
  if (!::EndPath(dc) || !drawn) return;
  HBRUSH ink = ::CreateSolidBrush(::GetTextColor(dc));
  if (!ink) {
    ::AbortPath(dc);
    return;
  }
  // Text ignores the pen's mix mode, and glyph contours fill by winding.
  const HGDIOBJ brush = ::SelectObject(dc, ink);
  const int fill = ::SetPolyFillMode(dc, WINDING);
  const int mix = ::SetROP2(dc, R2_COPYPEN);
  ::FillPath(dc);
  ::SetROP2(dc, mix);
  ::SetPolyFillMode(dc, fill);
  ::SelectObject(dc, brush);
  ::DeleteObject(ink);
}

}  // namespace pg::platform::win32
