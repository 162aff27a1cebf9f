#include "platform/soft/raster/wide_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/soft/raster/shape_raster.h"

namespace pg::platform::soft {

namespace {

void AddBox(SpanSink& out, const TRect& box) {
  const TRect& b = out.Bounds();
  const int x0 = std::max(box.left, b.left), x1 = std::min(box.right, b.right);
  if (x1 <= x0) return;
  for (int y = std::max(box.top, b.top); y < std::min(box.bottom, b.bottom); ++y) out.AddSpan(y, x0, x1);
}

// The disc at p: the ellipse of a width x width box whose left and top lie
// width / 2 before p (an even width leans up and left).
void AddDisc(SpanSink& out, TPoint p, int width) {
  const int l = p.x - width / 2, t = p.y - width / 2;
  AddEllipse(out, TRect{l, t, l + width, t + width});
}

}  // namespace

void AddWideSegment(SpanSink& out, TPoint a, TPoint b, int width) {
  // Points are clamped well inside int by the caller: these differences fit.
  const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
  AddDisc(out, a, width);
  AddDisc(out, b, width);
  if (dx == 0 && dy == 0) return;
  if (dy == 0) {
    const int top = a.y - width / 2;
    AddBox(out, TRect{std::min(a.x, b.x), top, std::max(a.x, b.x), top + width});
    return;
  }
  if (dx == 0) {
    const int left = a.x - width / 2;
    AddBox(out, TRect{left, std::min(a.y, b.y), left + width, std::max(a.y, b.y)});
    return;
  }
  // The band's half widths along x and y, rounded to whole pixels: the
  // "narrow" side gets the rounded half, the "wide" side the rounded half of
  // one pixel more, so the two add up to the width.
  const double len = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double wx = width * static_cast<double>(std::llabs(dy)) / len;
  const double wy = width * static_cast<double>(std::llabs(dx)) / len;
  TPoint narrow{static_cast<int>(std::lround(wx / 2)), static_cast<int>(std::lround(wy / 2))};
  TPoint wide{static_cast<int>(std::lround((wx + 1) / 2)), static_cast<int>(std::lround((wy + 1) / 2))};
  if (dx < 0) {
    wide.y = -wide.y;
    narrow.y = -narrow.y;
  }
  if (dy < 0) {
    std::swap(narrow, wide);
    wide.x = -wide.x;
    narrow.x = -narrow.x;
  }
  const TPoint band[] = {{a.x - narrow.x, a.y + narrow.y},
                         {a.x + wide.x, a.y - wide.y},
                         {b.x + wide.x, b.y - wide.y},
                         {b.x - narrow.x, b.y + narrow.y}};
  AddPolygon(out, band, kAlternate);
}

}  // namespace pg::platform::soft
