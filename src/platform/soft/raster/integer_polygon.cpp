// Polygons with whole-pixel corners, as the device context's callers give them:
// each crossing is found as a whole column in integer arithmetic, stepped from
// row to row, where the general fill divides and rounds in floating point.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

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
  int minY = points[0].y, maxY = points[0].y;
  bool exact = true;
  for (const TPoint& p : points) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
    if (std::abs(p.x) > kExactLimit || std::abs(p.y) > kExactLimit) exact = false;
  }
  if (!exact) {
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
  // edge: pixels from one crossing up to the next are inside.
  struct Crossing {
    int x;
    int dir;
  };
  struct Edge {
    TPoint top, bottom;
    int first, end;  // the rows it crosses: y with top <= y < bottom
    int dir;         // +1 where the polygon's order runs down
  };
  // Kept from polygon to polygon: a paint of many slices allocates nothing here.
  static std::vector<Edge> edges;
  static std::vector<int> place;  // per row, where its next crossing goes in xs
  static std::vector<Crossing> xs;
  const auto rows = static_cast<std::size_t>(y1 - y0);
  edges.clear();
  place.assign(rows + 1, 0);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint& a = points[i];
    const TPoint& b = points[i + 1 < points.size() ? i + 1 : 0];
    if (a.y == b.y) continue;
    const bool down = b.y > a.y;
    const TPoint& top = down ? a : b;
    const TPoint& bottom = down ? b : a;
    const int first = std::max(top.y, y0), end = std::min(bottom.y, y1);
    if (first >= end) continue;
    edges.push_back(Edge{top, bottom, first, end, down ? 1 : -1});
    ++place[static_cast<std::size_t>(first - y0)];
    --place[static_cast<std::size_t>(end - y0)];
  }
  int total = 0, crossing = 0;
  for (std::size_t r = 0; r < rows; ++r) {
    crossing += place[r];  // edges that start here less those that ended
    place[r] = total;
    total += crossing;
  }
  xs.resize(static_cast<std::size_t>(total));
  for (const Edge& e : edges) {
    const std::int64_t h = e.bottom.y - e.top.y, w = e.bottom.x - e.top.x;
    int* at = &place[static_cast<std::size_t>(e.first - y0)];
    if (h == 1) {
      // One row (a slice's arc steps a pixel at a time): the crossing is the top corner.
      xs[static_cast<std::size_t>((*at)++)] = Crossing{e.top.x, e.dir};
      continue;
    }
    // Column top.x + (y - top.y) w / h rounded up, stepped as q + r / h.
    std::int64_t q = 0, r = 0, stepQ = 0, stepR = 0;
    FloorDivide(static_cast<std::int64_t>(e.first - e.top.y) * w, h, q, r);
    FloorDivide(w, h, stepQ, stepR);
    for (int y = e.first; y < e.end; ++y, ++at) {
      xs[static_cast<std::size_t>((*at)++)] = Crossing{e.top.x + static_cast<int>(q) + (r != 0 ? 1 : 0), e.dir};
      q += stepQ;
      r += stepR;
      if (r >= h) {
        r -= h;
        ++q;
      }
    }
  }
  for (std::size_t r = 0; r < rows; ++r) {
    // Filled, each row's place is where the next row's crossings begin.
    const int begin = r == 0 ? 0 : place[r - 1];
    Crossing* const row = xs.data() + begin;
    const auto n = static_cast<std::size_t>(place[r] - begin);
    if (n < 2) continue;
    const int y = y0 + static_cast<int>(r);
    const auto span = [&](int from, int to) {
      from = std::max(from, bounds.left);
      to = std::min(to, bounds.right);
      if (to > from) out.AddSpan(y, from, to);
    };
    if (n == 2) {
      // Most rows of most polygons: one run between the two, whichever the rule.
      span(std::min(row[0].x, row[1].x), std::max(row[0].x, row[1].x));
      continue;
    }
    // Crossings in one column bound no pixels, so their order among them is moot.
    if (n <= 16) {
      for (std::size_t i = 1; i < n; ++i)
        for (std::size_t j = i; j > 0 && row[j].x < row[j - 1].x; --j) std::swap(row[j], row[j - 1]);
    } else {
      std::sort(row, row + n, [](const Crossing& l, const Crossing& rr) { return l.x < rr.x; });
    }
    if (fillMode == kWinding) {
      int winding = 0;
      for (std::size_t i = 0; i + 1 < n; ++i) {
        winding += row[i].dir;
        if (winding != 0) span(row[i].x, row[i + 1].x);
      }
    } else {
      for (std::size_t i = 0; i + 1 < n; i += 2) span(row[i].x, row[i + 1].x);
    }
  }
}

}  // namespace pg::platform::soft
