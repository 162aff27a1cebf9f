#include "platform/soft/raster/line_raster.h"

#include <algorithm>
#include <cmath>

namespace pg::platform::soft::line_detail {

bool CutToKeep(TPoint& a, TPoint& b, bool& includeEnd, const TRect& keep) {
  // Liang-Barsky against the rectangle widened by a pixel on each side.
  double t0 = 0, t1 = 1;
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - (keep.left - 1.0), keep.right + 1.0 - a.x, a.y - (keep.top - 1.0), keep.bottom + 1.0 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
  }
  if (t0 > t1) return false;
  const TPoint from{static_cast<int>(std::lround(a.x + t0 * dx)), static_cast<int>(std::lround(a.y + t0 * dy))};
  const TPoint to{static_cast<int>(std::lround(a.x + t1 * dx)), static_cast<int>(std::lround(a.y + t1 * dy))};
  includeEnd = includeEnd || t1 < 1;
  a = from;
  b = to;
  return true;
}

}  // namespace pg::platform::soft::line_detail
