// Pie and Arc: the ellipse outline between two radials, counter-clockwise on
// screen from the start radial to the end radial.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/soft/raster/line_raster.h"
#include "platform/soft/raster/shape_raster.h"
#include "platform/soft/soft_device_context.h"

namespace pg::platform::soft {

namespace {

constexpr double kTwoPi = 2 * 3.14159265358979323846;

// Runs for every outline pixel of every slice, so fmod only where it is needed:
// within one turn it returns its argument, and within two it takes one turn
// off, which the subtraction does exactly (the operands are within a factor of 2).
double Wrap(double a) {
  if (a <= -kTwoPi && a > -2 * kTwoPi) a += kTwoPi;
  else if (a >= kTwoPi && a < 2 * kTwoPi) a -= kTwoPi;
  else if (!(a > -kTwoPi && a < kTwoPi)) a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

constexpr int kCoordLimit = 1 << 27;
int Clamp(int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }
TPoint Clamp(TPoint p) { return TPoint{Clamp(p.x), Clamp(p.y)}; }
TRect Clamp(const TRect& r) { return TRect{Clamp(r.left), Clamp(r.top), Clamp(r.right), Clamp(r.bottom)}; }

int FloorHalf(int sum) { return sum >= 0 ? sum / 2 : -((1 - sum) / 2); }

// Angles are taken about the centre pixel, from whole pixel positions, as the
// radial lines run.
struct Sector {
  int cx, cy;
  double start, sweep;
  double AngleOf(double x, double y) const { return std::atan2(cy - y, x - cx); }
  double OffsetOf(double angle) const { return Wrap(angle - start); }
  bool Contains(int x, int y) const { return OffsetOf(AngleOf(x, y)) <= sweep + 1e-9; }
};

// An outline pixel with its angle about the sector's centre.
struct EdgePixel {
  int x, y;
  double angle;
};

// Counts the outlines EllipseEdge traced: what was found on one stays true while it is kept.
unsigned g_edgeGeneration = 0;

// The outline of the ellipse in box b, in scan order, with each pixel's angle.
// The slices of a pie share one ellipse, so the last one traced is kept: tracing
// and measuring it for every slice was most of a flat pie's paint.
const std::vector<EdgePixel>& EllipseEdge(const TRect& b, const TRect& area, const Sector& s) {
  static struct {
    bool valid = false;
    TRect box, area;
    std::vector<EdgePixel> pixels;
  } last;
  if (last.valid && last.box == b && last.area == area) return last.pixels;
  Coverage shape(area);
  AddEllipse(shape, b);
  const Coverage edge = Outline(shape);
  last.valid = false;
  ++g_edgeGeneration;
  last.pixels.clear();
  edge.ForEachSpan([&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) last.pixels.push_back(EdgePixel{x, y, s.AngleOf(x, y)});
  });
  last.box = b;
  last.area = area;
  last.valid = true;
  return last.pixels;
}

// The outline pixels inside the sector, in order from the start radial. Into
// buffers kept from slice to slice: a pie of many slices allocates nothing here.
const std::vector<TPoint>& ArcPixels(const std::vector<EdgePixel>& edge, const Sector& s) {
  static std::vector<std::pair<double, TPoint>> found;
  static std::vector<TPoint> out;
  found.clear();
  for (const EdgePixel& e : edge) {
    const double offset = s.OffsetOf(e.angle);
    if (offset <= s.sweep + 1e-9) found.push_back({offset, TPoint{e.x, e.y}});
  }
  std::sort(found.begin(), found.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
  out.clear();
  for (const auto& f : found) out.push_back(f.second);
  return out;
}

// The outline pixel whose direction is nearest to the angle. Neighbouring slices
// share a radial, so the last two answers are kept.
TPoint NearestOnOutline(const std::vector<EdgePixel>& edge, const Sector& s, double angle) {
  struct Answer {
    unsigned generation = 0;
    double angle = 0;
    TPoint point;
  };
  static Answer answers[2];
  static int older = 0;
  for (const Answer& a : answers)
    if (a.generation == g_edgeGeneration && a.angle == angle) return a.point;
  TPoint best{s.cx, s.cy};
  double bestD = 1e9;
  for (const EdgePixel& e : edge) {
    double d = Wrap(e.angle - angle);
    d = std::min(d, kTwoPi - d);
    if (d < bestD) {
      bestD = d;
      best = TPoint{e.x, e.y};
    }
  }
  answers[older] = Answer{g_edgeGeneration, angle, best};
  older ^= 1;
  return best;
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
  s.start = Wrap(s.AngleOf(start.x, start.y));
  s.sweep = Wrap(s.AngleOf(end.x, end.y) - s.start);
  if (s.sweep < 1e-12) s.sweep = kTwoPi;

  const std::vector<EdgePixel>& edge = EllipseEdge(b, area, s);
  const std::vector<TPoint>& arc = ArcPixels(edge, s);
  const TPoint centre{s.cx, s.cy};
  const TPoint from = NearestOnOutline(edge, s, s.start);
  const TPoint to = NearestOnOutline(edge, s, Wrap(s.start + s.sweep));

  if (pie && HasBrush()) {
    // The slice fills like a polygon through the centre and the arc's pixels.
    static std::vector<PointF> outline;
    outline.clear();
    outline.push_back(PointF{static_cast<double>(centre.x), static_cast<double>(centre.y)});
    outline.push_back(PointF{static_cast<double>(from.x), static_cast<double>(from.y)});
    for (const TPoint& p : arc) outline.push_back(PointF{static_cast<double>(p.x), static_cast<double>(p.y)});
    outline.push_back(PointF{static_cast<double>(to.x), static_cast<double>(to.y)});
    FillShape(area, BrushSource(), [](SpanSink& out) { AddPolygon(out, outline, kAlternate); });
  }
  if (!HasPen()) return;

  const int w = PenWidth();
  if (w == 1) {
    // The outline's pixels within the sector, and a pie's radials.
    FillShape(area, PenSource(), [&](SpanSink& out) {
      for (const TPoint& p : arc) out.AddSpan(p.y, p.x, p.x + 1);
      if (!pie) return;
      const auto add = [&out](int x, int y) { out.AddSpan(y, x, x + 1); };
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
