// Polygons with whole-pixel corners, as the device context's callers give them:
// each crossing is found as a whole column in integer arithmetic, stepped from
// row to row, where the general fill divides and rounds in floating point.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/soft/raster/row_crossings.h"
#include "platform/soft/raster/shape_raster.h"

namespace pg::platform::soft {

namespace {

// Within this the general fill's rounding never moves a crossing across a
// whole column (its error stays far below both its 1e-9 allowance and the
// smallest fraction a crossing can have, 1 / 2^21), so both fill the same
// pixels; corners further out go the general way.
constexpr int kExactLimit = 1 << 20;

// q = floor(n / d) and r = n - q d, for d > 0.
void FloorDivide(std::int64_t n, std::int64_t d, std::int64_t& q, std::int64_t& r) {
  q = n / d;
  r = n % d;
  if (r < 0) {
    --q;
    r += d;
  }
}

}  // namespace

void AddPolygon(SpanSink& out, std::span<const TPoint> points, int fillMode) {
  if (points.size() < 3) return;
  int minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
  for (const TPoint& p : points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  if (minX < -kExactLimit || maxX > kExactLimit || minY < -kExactLimit || maxY > kExactLimit) {
    static std::vector<PointF> corners;
    corners.clear();
    for (const TPoint& p : points) corners.push_back(PointF{static_cast<double>(p.x), static_cast<double>(p.y)});
    AddPolygon(out, corners, fillMode);
    return;
  }
  const TRect bounds = out.Bounds();
  const int y0 = std::max(bounds.top, minY - 1);
  const int y1 = std::min(bounds.bottom, maxY + 1);
  if (y0 >= y1) return;
  // A crossing is the first column whose left edge lies at or right of the
  // edge: pixels from one crossing up to the next are inside. Kept from polygon
  // to polygon: a paint of many slices allocates nothing here.
  static RowCrossings<TPoint, int> rows;
  rows.Begin(points, y0, y1);
  for (const auto& e : rows.Edges()) {
    const TPoint &top = e.Top(), &bottom = e.Bottom();
    const std::int64_t h = bottom.y - top.y, w = bottom.x - top.x;
    int* place = rows.PlaceOf(e.first);
    if (h == 1) {
      // One row (a slice's arc steps a pixel at a time): the crossing is the top corner.
      rows.Put(place, {top.x, e.dir});
      continue;
    }
    // Column top.x + (y - top.y) w / h rounded up, stepped as q + r / h.
    std::int64_t q = 0, r = 0, stepQ = 0, stepR = 0;
    FloorDivide(static_cast<std::int64_t>(e.first - top.y) * w, h, q, r);
    FloorDivide(w, h, stepQ, stepR);
    for (int y = e.first; y < e.end; ++y) {
      rows.Put(place, {top.x + static_cast<int>(q) + (r != 0 ? 1 : 0), e.dir});
      q += stepQ;
      r += stepR;
      if (r >= h) {
        r -= h;
        ++q;
      }
    }
  }
  rows.ForEachRun(fillMode, [&](int y, int from, int to) {
    from = std::max(from, bounds.left);
    to = std::min(to, bounds.right);
    if (to > from) out.AddSpan(y, from, to);
  });
}

}  // namespace pg::platform::soft
