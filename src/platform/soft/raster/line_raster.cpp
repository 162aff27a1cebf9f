#include "platform/soft/raster/line_raster.h"

#include <algorithm>
#include <cmath>

#include "platform/segment_clip.h"

namespace pg::platform::soft::line_detail {

bool CutToKeep(TPoint& a, TPoint& b, bool& includeEnd, const TRect& keep) {
  // Against the rectangle widened by a pixel on each side.
  const auto part = ClipSegment(a.x, a.y, b.x, b.y, keep.left - 1.0, keep.top - 1.0, keep.right + 1.0,
                                keep.bottom + 1.0);
  if (!part) return false;
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  const TPoint from{static_cast<int>(std::lround(a.x + part->t0 * dx)), static_cast<int>(std::lround(a.y + part->t0 * dy))};
  const TPoint to{static_cast<int>(std::lround(a.x + part->t1 * dx)), static_cast<int>(std::lround(a.y + part->t1 * dy))};
  includeEnd = includeEnd || part->t1 < 1;
  a = from;
  b = to;
  return true;
}

}  // namespace pg::platform::soft::line_detail
