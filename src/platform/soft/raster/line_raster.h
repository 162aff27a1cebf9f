#pragma once
// Pixels of a 1-pixel line, stepped as GDI steps them. The stepper is a template
// so that the per-pixel callback inlines: outlines are stepped pixel by pixel.
#include <algorithm>
#include <cstdlib>

#include "platform/graphics.h"

namespace pg::platform::soft {

namespace line_detail {

// Longer segments than any surface holds (a chart zoomed or shifted by millions
// of pixels) are cut to the kept rectangle before stepping: stepping them whole
// took seconds.
constexpr long long kMaxSteps = 1 << 15;

// The part of a→b to step, and whether its end is to be plotted; false when
// nothing of it lies within `keep`.
bool CutToKeep(TPoint& a, TPoint& b, bool& includeEnd, const TRect& keep);

template <typename Plot>
void Step(TPoint a, TPoint b, bool includeEnd, Plot& plot) {
  const long long dx = std::llabs(static_cast<long long>(b.x) - a.x);
  const long long dy = std::llabs(static_cast<long long>(b.y) - a.y);
  const int sx = b.x >= a.x ? 1 : -1;
  const int sy = b.y >= a.y ? 1 : -1;
  long long x = a.x, y = a.y;
  if (dx >= dy) {
    // Minor steps happen where the exact line crosses a pixel boundary; a crossing
    // exactly half-way steps at once when the minor direction is up or left.
    long long err = 2 * dy - dx;
    for (long long i = 0; i < dx; ++i) {
      plot(static_cast<int>(x), static_cast<int>(y));
      if (err > 0 || (err == 0 && sy < 0)) {
        y += sy;
        err -= 2 * dx;
      }
      err += 2 * dy;
      x += sx;
    }
  } else {
    long long err = 2 * dx - dy;
    for (long long i = 0; i < dy; ++i) {
      plot(static_cast<int>(x), static_cast<int>(y));
      if (err > 0 || (err == 0 && sx < 0)) {
        x += sx;
        err -= 2 * dy;
      }
      err += 2 * dx;
      y += sy;
    }
  }
  if (includeEnd) plot(b.x, b.y);
}

}  // namespace line_detail

// Calls plot(x, y) for each pixel from a towards b; b itself only when
// includeEnd. A line too long to step whole is first cut to `keep`.
template <typename Plot>
void StepLine(TPoint a, TPoint b, bool includeEnd, const TRect& keep, Plot&& plot) {
  const long long steps =
      std::max(std::llabs(static_cast<long long>(b.x) - a.x), std::llabs(static_cast<long long>(b.y) - a.y));
  if (steps > line_detail::kMaxSteps && !line_detail::CutToKeep(a, b, includeEnd, keep)) return;
  line_detail::Step(a, b, includeEnd, plot);
}

}  // namespace pg::platform::soft
