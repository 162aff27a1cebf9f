#pragma once

#include <algorithm>
#include <optional>

namespace pg::platform {

// Where a segment runs inside a box: the part from a + t0 * (b - a) to
// a + t1 * (b - a), 0 <= t0 <= t1 <= 1.
struct SegmentPart {
  double t0, t1;
};

// Liang-Barsky: cuts the segment from (ax, ay) to (bx, by) to the box
// [left, right] x [top, bottom]; nothing when it misses the box. Both backends
// cut lines before they reach coordinates their rasterisers cannot take.
inline std::optional<SegmentPart> ClipSegment(double ax, double ay, double bx, double by, double left, double top,
                                              double right, double bottom) {
  const double dx = bx - ax, dy = by - ay;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {ax - left, right - ax, ay - top, bottom - ay};
  double t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
  }
  if (t0 > t1) return std::nullopt;
  return SegmentPart{t0, t1};
}

}  // namespace pg::platform
