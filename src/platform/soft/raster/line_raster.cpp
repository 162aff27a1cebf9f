#include "platform/soft/raster/line_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pg::platform::soft {

namespace {

// Longer lines than any surface holds (a chart zoomed or shifted by millions of
// pixels) are cut to the surface first: stepping them whole took seconds.
constexpr long long kMaxSteps = 1 << 15;

void Step(TPoint a, TPoint b, bool includeEnd, const std::function<void(int, int)>& plot) {
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

}  // namespace

void StepLine(TPoint a, TPoint b, bool includeEnd, const TRect& keep, const std::function<void(int, int)>& plot) {
  const long long steps =
      std::max(std::llabs(static_cast<long long>(b.x) - a.x), std::llabs(static_cast<long long>(b.y) - a.y));
  if (steps <= kMaxSteps) {
    Step(a, b, includeEnd, plot);
    return;
  }
  // Cut the segment to the rectangle (Liang-Barsky) and step the part inside.
  double t0 = 0, t1 = 1;
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - (keep.left - 1.0), keep.right + 1.0 - a.x, a.y - (keep.top - 1.0), keep.bottom + 1.0 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
  }
  if (t0 > t1) return;
  const TPoint from{static_cast<int>(std::lround(a.x + t0 * dx)), static_cast<int>(std::lround(a.y + t0 * dy))};
  const TPoint to{static_cast<int>(std::lround(a.x + t1 * dx)), static_cast<int>(std::lround(a.y + t1 * dy))};
  Step(from, to, includeEnd || t1 < 1, plot);
}

}  // namespace pg::platform::soft
