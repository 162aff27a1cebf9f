#include "platform/metafile/curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pg::platform::metafile {

namespace {

double Distance(PointD a, PointD b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Steps for a curve whose path in pixels is about `length` long: a segment every
// two pixels or so, bounded so that a huge curve costs a bounded number of points.
int StepsFor(double length, int most) {
  if (!std::isfinite(length)) return 2;
  // Clamped before the conversion: a length beyond int's range is no number of steps.
  return static_cast<int>(std::clamp(length / 2, 2.0, static_cast<double>(most)));
}

}  // namespace

void FlattenBeziers(PointD from, std::span<const PointD> points, std::vector<PointD>& out) {
  PointD p0 = from;
  for (std::size_t i = 0; i + 3 <= points.size(); i += 3) {
    const PointD p1 = points[i], p2 = points[i + 1], p3 = points[i + 2];
    const int n = StepsFor(Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3), 256);
    for (int k = 1; k <= n; ++k) {
      const double t = static_cast<double>(k) / n, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      out.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    p0 = p3;
  }
}

std::vector<PointD> EllipseArc(PointD a, PointD b, PointD start, PointD end, bool clockwise, const Affine& toDevice,
                               bool wholeEllipse) {
  const double cx = (a.x + b.x) / 2, cy = (a.y + b.y) / 2;
  const double rx = std::fabs(b.x - a.x) / 2, ry = std::fabs(b.y - a.y) / 2;
  std::vector<PointD> out;
  if (rx <= 0 || ry <= 0) return out;
  // Parameter angles of the radials; screen y runs down.
  const auto angle = [&](PointD p) { return std::atan2(-(p.y - cy) * rx, (p.x - cx) * ry); };
  // A map that mirrors turns the device's counter-clockwise into the logical clockwise.
  const bool mirrored = toDevice.Determinant() < 0;
  const bool cw = clockwise != mirrored;
  double t0 = wholeEllipse ? 0 : angle(start), t1 = wholeEllipse ? 0 : angle(end);
  constexpr double kTurn = 2 * std::numbers::pi;
  double sweep = cw ? t0 - t1 : t1 - t0;
  while (sweep <= 1e-12) sweep += kTurn;
  if (sweep > kTurn) sweep = kTurn;
  const double radius = std::max(rx, ry) * toDevice.Scale();
  const int n = StepsFor(radius * sweep * 2, 720);
  out.reserve(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) {
    const double t = t0 + (cw ? -sweep : sweep) * k / n;
    out.push_back(toDevice.Apply({cx + rx * std::cos(t), cy - ry * std::sin(t)}));
  }
  return out;
}

std::vector<PointD> RoundRectOutline(PointD a, PointD b, PointD corner, const Affine& toDevice) {
  const double l = std::min(a.x, b.x), r = std::max(a.x, b.x), t = std::min(a.y, b.y), btm = std::max(a.y, b.y);
  const double w = std::min(std::fabs(corner.x), r - l), h = std::min(std::fabs(corner.y), btm - t);
  std::vector<PointD> out;
  const auto quarter = [&](double x0, double y0, double from) {
    // The corner ellipse's box has its top left at (x0, y0).
    const int n = StepsFor(std::max(w, h) * toDevice.Scale() * 1.6, 180);
    for (int k = 0; k <= n; ++k) {
      const double th = from + std::numbers::pi / 2 * k / n;
      out.push_back(toDevice.Apply({x0 + w / 2 + w / 2 * std::cos(th), y0 + h / 2 - h / 2 * std::sin(th)}));
    }
  };
  quarter(r - w, t, 0);
  quarter(l, t, std::numbers::pi / 2);
  quarter(l, btm - h, std::numbers::pi);
  quarter(r - w, btm - h, 3 * std::numbers::pi / 2);
  return out;
}

}  // namespace pg::platform::metafile
