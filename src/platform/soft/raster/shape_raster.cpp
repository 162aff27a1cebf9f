#include "platform/soft/raster/shape_raster.h"

#include <algorithm>
#include <cmath>

#include "platform/soft/raster/row_crossings.h"

namespace pg::platform::soft {

namespace {

constexpr double kEps = 1e-9;

// Pixels whose centres lie in [from, to), within the columns [left, right). The
// run's ends are cut to those columns before rounding up, which gives what
// cutting after it gives, and keeps them within the range of int.
void AddCentredSpan(SpanSink& out, int y, double from, double to, int left, int right) {
  double lo = from - 0.5 - kEps, hi = to - 0.5 - kEps;
  lo = std::max(lo, static_cast<double>(left));
  hi = std::min(hi, static_cast<double>(right));
  if (!(lo < hi)) return;
  const int x0 = CeilToInt(lo), x1 = CeilToInt(hi);
  if (x1 > x0) out.AddSpan(y, x0, x1);
}

// Pixels whose corner points lie in [from, to): polygons are sampled at whole
// coordinates, left and top edges inside, right and bottom edges outside.
void AddPointSpan(SpanSink& out, int y, double from, double to, int left, int right) {
  AddCentredSpan(out, y, from + 0.5, to + 0.5, left, right);
}

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
  const TRect bounds = out.Bounds();
  const int y0 = std::max(bounds.top, static_cast<int>(std::floor(minY)) - 1);
  const int y1 = std::min(bounds.bottom, static_cast<int>(std::ceil(maxY)) + 1);
  if (y0 >= y1) return;
  // Kept from polygon to polygon: a paint of many slices allocates nothing here.
  static RowCrossings<PointF, double> rows;
  rows.Begin(points, y0, y1);
  for (const auto& e : rows.Edges()) {
    int* place = rows.PlaceOf(e.first);
    for (int y = e.first; y < e.end; ++y) {
      const double yc = y;
      // Over one row (a slice's arc steps a pixel at a time) the quotient is the
      // product or its negation exactly, without the division's wait.
      const double t = (yc - e.a.y) * (e.b.x - e.a.x), dy = e.b.y - e.a.y;
      rows.Put(place, {e.a.x + (dy == 1 ? t : dy == -1 ? -t : t / dy), e.dir});
    }
  }
  rows.ForEachRun(fillMode, [&](int y, double from, double to) {
    AddPointSpan(out, y, from, to, bounds.left, bounds.right);
  });
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
