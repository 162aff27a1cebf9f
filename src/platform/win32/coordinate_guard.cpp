#include "platform/win32/coordinate_guard.h"

#include <algorithm>
#include <cmath>

#include "platform/segment_clip.h"

namespace pg::platform::win32 {

namespace {

struct PointD {
  double x, y;
};

int ToInt(double v) { return static_cast<int>(std::lround(std::clamp(v, -double(kGuard), double(kGuard)))); }

}  // namespace

int Guard(int v) { return std::clamp(v, -kGuard, kGuard); }

TRect Guard(const TRect& r) { return TRect{Guard(r.left), Guard(r.top), Guard(r.right), Guard(r.bottom)}; }

bool Inside(const TPoint& p) { return p.x >= -kGuard && p.x <= kGuard && p.y >= -kGuard && p.y <= kGuard; }

bool CutSegment(TPoint& a, TPoint& b) {
  if (Inside(a) && Inside(b)) return true;
  const double g = kGuard;
  const auto part = ClipSegment(a.x, a.y, b.x, b.y, -g, -g, g, g);
  if (!part) return false;
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  const TPoint from{ToInt(a.x + part->t0 * dx), ToInt(a.y + part->t0 * dy)};
  const TPoint to{ToInt(a.x + part->t1 * dx), ToInt(a.y + part->t1 * dy)};
  a = from;
  b = to;
  return true;
}

std::vector<POINT> CutPolygon(std::span<const TPoint> points) {
  std::vector<PointD> poly;
  poly.reserve(points.size());
  for (const TPoint& p : points) poly.push_back(PointD{double(p.x), double(p.y)});
  // One edge of the square at a time: inside(p) and the crossing with the edge.
  for (int edge = 0; edge < 4 && !poly.empty(); ++edge) {
    auto value = [edge](const PointD& p) {
      switch (edge) {
        case 0: return p.x + kGuard;
        case 1: return kGuard - p.x;
        case 2: return p.y + kGuard;
        default: return kGuard - p.y;
      }
    };
    std::vector<PointD> out;
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const PointD& cur = poly[i];
      const PointD& prev = poly[(i + poly.size() - 1) % poly.size()];
      const double vc = value(cur), vp = value(prev);
      if ((vc >= 0) != (vp >= 0)) {
        const double t = vp / (vp - vc);
        out.push_back(PointD{prev.x + t * (cur.x - prev.x), prev.y + t * (cur.y - prev.y)});
      }
      if (vc >= 0) out.push_back(cur);
    }
    poly.swap(out);
  }
  std::vector<POINT> result;
  result.reserve(poly.size());
  for (const PointD& p : poly) result.push_back(POINT{ToInt(p.x), ToInt(p.y)});
  return result;
}

}  // namespace pg::platform::win32
