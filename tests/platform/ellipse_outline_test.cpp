// The pie's search of the ellipse outline sorted by angle against the plain
// pass it stands for: every outline pixel tested, the found ones sorted by offset.
// The portable raster only: the Windows build draws pies with GDI.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "platform/soft/raster/coverage.h"
#include "platform/soft/raster/ellipse_outline.h"
#include "platform/soft/raster/shape_raster.h"

namespace pg::platform::soft {
namespace {

struct Traced {
  Sector about;
  EllipseOutline outline;
  std::vector<std::pair<TPoint, double>> scan;  // outline pixels in scan order, with angles
};

Traced Trace(const TRect& box) {
  const TRect area{box.left - 3, box.top - 3, box.right + 3, box.bottom + 3};
  Traced t{Sector{(box.left + box.right - 1) / 2, (box.top + box.bottom - 1) / 2, 0, 0}, {}, {}};
  t.outline.Trace(box, area, t.about);
  Coverage shape(area);
  AddEllipse(shape, box);
  Outline(shape).ForEachSpan([&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) t.scan.push_back({TPoint{x, y}, t.about.AngleOf(x, y)});
  });
  return t;
}

std::vector<TPoint> PassAndSort(const Traced& t, const Sector& s) {
  std::vector<std::pair<double, TPoint>> found;
  for (const auto& [p, angle] : t.scan)
    if (s.Includes(angle)) found.push_back({s.OffsetOf(angle), p});
  std::sort(found.begin(), found.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
  std::vector<TPoint> out;
  for (const auto& f : found) out.push_back(f.second);
  return out;
}

TPoint NearestByPass(const Traced& t, double angle, TPoint none) {
  TPoint best = none;
  double bestD = 1e9;
  for (const auto& [p, a] : t.scan) {
    double d = WrapAngle(a - angle);
    d = std::min(d, kTwoPi - d);
    if (d < bestD) {
      bestD = d;
      best = p;
    }
  }
  return best;
}

// Sectors as DrawArcShape makes them: from whole points round the ellipse, with
// radials along the axes (where outline pixels share a direction), tiny and
// whole sweeps among them.
TEST(EllipseOutline, SectorsAndNearestPixelsMatchAPassOverTheOutline) {
  const TRect boxes[] = {{0, 0, 1, 1},     {0, 0, 3, 3},      {2, 2, 7, 6},     {0, 0, 6, 6},
                         {-5, -3, 12, 9},  {10, 10, 41, 39},  {0, 0, 300, 160}, {-40, 0, 360, 20},
                         {0, -50, 20, 250}};
  std::mt19937 rng(7);
  int sectors = 0;
  for (const TRect& box : boxes) {
    const Traced t = Trace(box);
    ASSERT_FALSE(t.scan.empty());
    const int reach = std::max(box.right - box.left, box.bottom - box.top);
    auto point = [&](int i) {
      // Axis points every fourth, else anywhere within twice the box.
      const int c = t.about.cx, m = t.about.cy;
      switch (i % 8) {
        case 0: return TPoint{c + reach, m};
        case 1: return TPoint{c, m - reach};
        case 2: return TPoint{c - reach, m};
        case 3: return TPoint{c, m + reach};
        default:
          return TPoint{c + std::uniform_int_distribution<int>(-2 * reach, 2 * reach)(rng),
                        m + std::uniform_int_distribution<int>(-2 * reach, 2 * reach)(rng)};
      }
    };
    for (int i = 0; i < 400; ++i) {
      const TPoint from = point(i), to = i % 17 == 0 ? from : point(i / 3 + 5 * i);
      Sector s = t.about;
      s.start = WrapAngle(s.AngleOf(from.x, from.y));
      s.sweep = WrapAngle(s.AngleOf(to.x, to.y) - s.start);
      if (s.sweep < 1e-12) s.sweep = kTwoPi;
      std::vector<TPoint> arc;
      t.outline.SectorPixels(s, arc);
      ASSERT_EQ(arc, PassAndSort(t, s)) << "box " << box.left << "," << box.top << " sector " << i;
      for (const double angle : {s.start, WrapAngle(s.start + s.sweep)})
        ASSERT_EQ(t.outline.Nearest(angle, TPoint{-1, -1}), NearestByPass(t, angle, TPoint{-1, -1}))
            << "box " << box.left << "," << box.top << " angle " << angle;
      ++sectors;
    }
  }
  EXPECT_EQ(sectors, 9 * 400);
}

TEST(EllipseOutline, AnEmptyOutlineHasNoArcAndNoNearestPixel) {
  EllipseOutline outline;
  const Sector s{0, 0, 1.0, 2.0};
  outline.Trace(TRect{0, 0, 10, 10}, TRect{100, 100, 120, 120}, s);
  std::vector<TPoint> arc{TPoint{1, 1}};
  outline.SectorPixels(s, arc);
  EXPECT_TRUE(arc.empty());
  EXPECT_EQ(outline.Nearest(1.0, TPoint{4, 5}), (TPoint{4, 5}));
}

}  // namespace
}  // namespace pg::platform::soft
#endif
