#include "platform/soft/raster/shape_raster.h"

#include <algorithm>
#include <cmath>

namespace pg::platform::soft {

namespace {

constexpr double kEps = 1e-9;

// Pixels whose centres lie in [from, to).
void AddCentredSpan(SpanSink& out, int y, double from, double to) {
  const double lo = std::ceil(from - 0.5 - kEps);
  const double hi = std::ceil(to - 0.5 - kEps);
  const double left = std::max(lo, static_cast<double>(out.Bounds().left));
  const double right = std::min(hi, static_cast<double>(out.Bounds().right));
  if (right > left) out.AddSpan(y, static_cast<int>(left), static_cast<int>(right));
}

// Pixels whose corner points lie in [from, to): polygons are sampled at whole
// coordinates, left and top edges inside, right and bottom edges outside.
void AddPointSpan(SpanSink& out, int y, double from, double to) { AddCentredSpan(out, y, from + 0.5, to + 0.5); }

}  // namespace

TRect Normalized(const TRect& r) {
  return TRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
               std::max(r.top, r.bottom)};
}

void AddPolygon(SpanSink& out, std::span<const PointF> points, int fillMode) {
  if (points.size() < 3) return;
  double minY = points[0].y, maxY = points[0].y;
  for (const PointF& p : points) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const int y0 = std::max(out.Bounds().top, static_cast<int>(std::floor(minY)) - 1);
  const int y1 = std::min(out.Bounds().bottom, static_cast<int>(std::ceil(maxY)) + 1);
  struct Crossing {
    double x;
    int dir;
  };
  struct Edge {
    PointF a, b;  // in the polygon's order, which the crossing's sum follows
    double top, bottom;
    int dir;
  };
  // Kept from polygon to polygon: a paint of many slices allocates nothing here.
  static std::vector<Crossing> xs;
  static std::vector<Edge> edges;
  static std::vector<const Edge*> active;
  edges.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointF& a = points[i];
    const PointF& b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    const bool down = b.y > a.y;
    edges.push_back(Edge{a, b, down ? a.y : b.y, down ? b.y : a.y, down ? 1 : -1});
  }
  // Each row looks only at the edges that span it (a slice's outline has one
  // point per arc pixel, a row crosses two or three of them).
  std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.top < r.top; });
  active.clear();
  std::size_t next = 0;
  for (int y = y0; y < y1; ++y) {
    const double yc = y;
    while (next < edges.size() && edges[next].top <= yc) active.push_back(&edges[next++]);
    std::erase_if(active, [yc](const Edge* e) { return e->bottom <= yc; });
    xs.clear();
    for (const Edge* e : active)
      xs.push_back(Crossing{e->a.x + (yc - e->a.y) * (e->b.x - e->a.x) / (e->b.y - e->a.y), e->dir});
    // A row mostly crosses a few edges: those are sorted in place, without the
    // general sort's set-up (crossings at the same x bound no pixels, so their
    // order among them is moot); a jagged polygon's many keep the n log n sort.
    if (xs.size() <= 16) {
      for (std::size_t i = 1; i < xs.size(); ++i)
        for (std::size_t j = i; j > 0 && xs[j].x < xs[j - 1].x; --j) std::swap(xs[j], xs[j - 1]);
    } else {
      std::sort(xs.begin(), xs.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    }
    int winding = 0;
    for (std::size_t i = 0; i + 1 < xs.size() || (i < xs.size() && fillMode == kWinding); ++i) {
      if (fillMode == kWinding) {
        winding += xs[i].dir;
        if (winding != 0 && i + 1 < xs.size()) AddPointSpan(out, y, xs[i].x, xs[i + 1].x);
      } else if (i % 2 == 0) {
        AddPointSpan(out, y, xs[i].x, xs[i + 1].x);
      }
    }
  }
}

bool EllipseRow(const TRect& box, int y, int& x0, int& x1) {
  const TRect b = Normalized(box);
  // Radii a little inside the box give GDI's outlines (a 3 x 3 ellipse is a cross).
  const double a = b.Width() / 2.0 - 0.1, c = b.Height() / 2.0 - 0.1;
  if (a <= 0 || c <= 0 || y < b.top || y >= b.bottom) return false;
  const double cx = (static_cast<double>(b.left) + b.right) / 2.0, cy = (static_cast<double>(b.top) + b.bottom) / 2.0;
  const double dy = (y + 0.5 - cy) / c;
  const double q = 1 - dy * dy;
  if (q < -kEps) return false;
  const double half = a * std::sqrt(std::max(0.0, q));
  // Pixels whose centres lie on the ellipse or inside it.
  x0 = static_cast<int>(std::ceil(cx - half - 0.5 - kEps));
  x1 = static_cast<int>(std::ceil(cx + half - 0.5 + kEps));
  return x1 > x0;
}

void AddEllipse(SpanSink& out, const TRect& box) {
  const TRect b = Normalized(box);
  const int y0 = std::max(b.top, out.Bounds().top), y1 = std::min(b.bottom, out.Bounds().bottom);
  for (int y = y0; y < y1; ++y) {
    int x0 = 0, x1 = 0;
    if (EllipseRow(b, y, x0, x1)) out.AddSpan(y, x0, x1);
  }
}

void AddRoundRect(SpanSink& out, const TRect& box, int cornerWidth, int cornerHeight) {
  const TRect b = Normalized(box);
  const int cw = std::min(std::abs(cornerWidth), b.Width());
  const int ch = std::min(std::abs(cornerHeight), b.Height());
  const int y0 = std::max(b.top, out.Bounds().top), y1 = std::min(b.bottom, out.Bounds().bottom);
  if (cw < 2 || ch < 2) {
    for (int y = y0; y < y1; ++y) out.AddSpan(y, b.left, b.right);
    return;
  }
  // The corner ellipse split into four quarters, placed at the box's corners,
  // joined by straight runs.
  const TRect corner{0, 0, cw, ch};
  const int hw = cw / 2, hh = ch / 2;
  for (int y = y0; y < y1; ++y) {
    int cy = -1;
    if (y - b.top < hh) cy = y - b.top;
    else if (b.bottom - 1 - y < ch - hh) cy = ch - (b.bottom - y);
    if (cy < 0) {
      out.AddSpan(y, b.left, b.right);
      continue;
    }
    int first = 0, end = 0;
    if (!EllipseRow(corner, cy, first, end)) continue;
    const int last = end - 1;
    const int leftStart = b.left + std::min(first, hw);
    const int rightEnd = b.right - std::min(cw - 1 - last, cw - hw);
    out.AddSpan(y, leftStart, rightEnd);
  }
}

Coverage Outline(const Coverage& region) {
  Coverage edge(region.Bounds());
  region.ForEachSpan([&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) {
      if (x == x0 || x == x1 - 1 || !region.Has(x, y - 1) || !region.Has(x, y + 1)) edge.Add(x, y);
    }
  });
  return edge;
}

}  // namespace pg::platform::soft
