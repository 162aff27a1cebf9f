// The solid pie slice: upper face, the faces at its two radials when they show,
// and the visible part of the curved rim.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "engine/canvas/chart_canvas3d.h"
#include "framework/arith.h"

namespace pg::engine {

int PieSliceArcPoints(double startAngle, double endAngle) {
  return std::min(30, Round(std::fabs(endAngle - startAngle) * 180 / std::numbers::pi / 10)) + 2;
}

TColor DarkenColour(TColor c, int d) {
  const TColor rgb = platform::ColorToRgb(c);
  auto down = [d](int v) { return v > d ? v - d : 0; };
  return platform::Rgb(down(platform::RedOf(rgb)), down(platform::GreenOf(rgb)), down(platform::BlueOf(rgb)));
}

void TChartCanvas3D::ApplyFill(TColor base, int darken) {
  const TColor c = darken ? DarkenColour(base, darken) : base;
  if (Brush().style == platform::BrushStyle::bsSolid)
    SetBrushColor(c);
  else
    SetBackgroundColour(c);
}

void TChartCanvas3D::PieSlice3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1,
                                double startAngle, double endAngle, bool darkSides, bool drawSides) {
  constexpr int kDark = 32;
  const int n = PieSliceArcPoints(startAngle, endAngle);
  const double step = (endAngle - startAngle) / (n - 1);

  // Index 0 is the centre of the upper face; 1..n the arc points. The lower
  // points are projected when a side or the rim needs them: a thin slice at
  // the back shows its upper face alone.
  std::array<TPoint, 33> up{}, arc{};
  std::array<std::optional<TPoint>, 33> lower{};
  up[0] = ProjectPoint(xCenter, yCenter, z1);
  for (int i = 1; i <= n; ++i) {
    const double a = startAngle + (i - 1) * step;
    arc[i] = TPoint{xCenter + Round(xRadius * std::cos(a)), yCenter - Round(yRadius * std::sin(a))};
    up[i] = ProjectPoint(arc[i].x, arc[i].y, z1);
  }
  auto low = [&](int i) {
    auto& p = lower[static_cast<std::size_t>(i)];
    if (!p) p = ProjectPoint(arc[i].x, arc[i].y, z0);
    return *p;
  };

  const TColor fill = Brush().style == platform::BrushStyle::bsSolid ? Brush().color : GetBackgroundColour();
  const int dark = darkSides ? kDark : 0;
  auto quad = [&](TPoint p0, TPoint p1, TPoint p2, TPoint p3) {
    const TPoint q[4] = {p0, p1, p2, p3};
    FlatPolygon(q);
  };

  if (drawSides) {
    const TPoint centreLow = ProjectPoint(xCenter, yCenter, z0);
    if (up[n].x < xCenter) {
      if (darkSides) ApplyFill(fill, dark);
      quad(up[0], up[n], low(n), centreLow);
    }
    if (up[1].x > xCenter) {
      if (darkSides) ApplyFill(fill, dark);
      quad(up[0], up[1], low(1), centreLow);
    }
  }
  ApplyFill(fill, 0);

  FlatPolygon(std::span<const TPoint>(up.data(), static_cast<std::size_t>(n) + 1));

  // A band of the rim: upper points forwards, rim points backwards.
  std::array<TPoint, 66> band{};
  auto drawBand = [&](int s, int e) {
    std::size_t k = 0;
    for (int i = s; i <= e; ++i) band[k++] = up[i];
    for (int i = e; i >= s; --i) band[k++] = low(i);
    if (darkSides) ApplyFill(fill, dark);
    FlatPolygon(std::span<const TPoint>(band.data(), k));
  };

  for (int i = 2; i <= n; ++i) {
    if (up[i].x <= up[i - 1].x) continue;
    const int start = i - 1;
    int end = -1;
    for (int j = i + 1; j <= n - 1; ++j) {
      if (up[j].x < up[j - 1].x) {
        end = j;
        break;
      }
    }
    if (end < 0 && up[n].x >= up[n - 1].x) end = n;
    if (end >= 0) drawBand(start, end);
    if (end != n && up[n].x > up[n - 1].x) {
      int k = n - 1;
      while (k > 1 && up[k].x > up[k - 1].x) --k;
      if (k > 1) drawBand(k, n);
    }
    break;
  }
}

}  // namespace pg::engine
