// Pie and Arc: the ellipse outline between two radials, counter-clockwise on
// screen from the start radial to the end radial.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/soft/raster/ellipse_outline.h"
#include "platform/soft/raster/coord_clamp.h"
#include "platform/soft/raster/line_raster.h"
#include "platform/soft/raster/shape_raster.h"
#include "platform/soft/soft_device_context.h"

namespace pg::platform::soft {

namespace {

int FloorHalf(int sum) { return sum >= 0 ? sum / 2 : -((1 - sum) / 2); }

// The outline of the ellipse in box b, traced once for all the slices of a pie.
const EllipseOutline& OutlineOf(const TRect& b, const TRect& area, const Sector& s) {
  static EllipseOutline last;
  if (!last.Holds(b, area)) last.Trace(b, area, s);
  return last;
}

void KeepSector(Coverage& c, const Sector& s) {
  Coverage copy = c;
  copy.ForEachSpan([&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x)
      if (!s.Contains(x, y)) c.Remove(x, y);
  });
}

}  // namespace

void SoftDeviceContext::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  DrawArcShape(TRect{left, top, right, bottom}, TPoint{x3, y3}, TPoint{x4, y4}, true);
}

void SoftDeviceContext::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  DrawArcShape(TRect{left, top, right, bottom}, TPoint{x3, y3}, TPoint{x4, y4}, false);
}

void SoftDeviceContext::DrawArcShape(const TRect& box, TPoint start, TPoint end, bool pie) {
  const TRect b = Normalized(Clamp(box));
  start = Clamp(start);
  end = Clamp(end);
  if (b.Width() < 1 || b.Height() < 1) return;
  const TRect area = WorkArea(b);
  Sector s{FloorHalf(b.left + b.right - 1), FloorHalf(b.top + b.bottom - 1), 0, 0};
  s.start = WrapAngle(s.AngleOf(start.x, start.y));
  s.sweep = WrapAngle(s.AngleOf(end.x, end.y) - s.start);
  if (s.sweep < 1e-12) s.sweep = kTwoPi;

  const EllipseOutline& outline = OutlineOf(b, area, s);
  static std::vector<TPoint> arc;  // kept from slice to slice
  outline.SectorPixels(s, arc);
  const TPoint centre{s.cx, s.cy};
  const TPoint from = outline.Nearest(s.start, centre);
  const TPoint to = outline.Nearest(WrapAngle(s.start + s.sweep), centre);

  if (pie && HasBrush()) {
    // The slice fills like a polygon through the centre and the arc's pixels.
    static std::vector<TPoint> corners;
    corners.clear();
    corners.push_back(centre);
    corners.push_back(from);
    corners.insert(corners.end(), arc.begin(), arc.end());
    corners.push_back(to);
    FillShape(area, BrushSource(), [](SpanSink& out) { AddPolygon(out, std::span<const TPoint>(corners), kAlternate); });
  }
  if (!HasPen()) return;

  const int w = PenWidth();
  if (w == 1) {
    // The outline's pixels within the sector, and a pie's radials.
    if (Rop() == kRopCopy) {
      // A copied pixel painted twice is painted once: each goes straight onto
      // the surface, without a call through the span interface per pixel.
      SpanPainter pen(surface_, area, PenSource(), kRopCopy, clip_.get());
      for (const TPoint& p : arc) pen.Add(p.x, p.y);
      if (!pie) return;
      pen.Line(centre, from, true, area);
      pen.Line(centre, to, true, area);
      return;
    }
    FillShape(area, PenSource(), [&](SpanSink& out) {
      const auto add = [&out](int x, int y) { out.AddSpan(y, x, x + 1); };
      for (const TPoint& p : arc) add(p.x, p.y);
      if (!pie) return;
      StepLine(centre, from, true, area, add);
      StepLine(centre, to, true, area, add);
    });
    return;
  }
  const int h = w / 2;
  Coverage band(area);
  AddEllipse(band, TRect{b.left - h, b.top - h, b.right + w - 1 - h, b.bottom + w - 1 - h});
  Coverage inner(area);
  AddEllipse(inner, TRect{b.left + w - h, b.top + w - h, b.right - 1 - h, b.bottom - 1 - h});
  band.Subtract(inner);
  KeepSector(band, s);
  PaintCoverage(band, PenSource(), Rop());
  if (pie) {
    const TPoint radials[] = {from, centre, to};
    StrokePath(radials, false, true);
  }
}

}  // namespace pg::platform::soft
