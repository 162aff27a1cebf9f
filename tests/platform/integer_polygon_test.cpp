// Polygons with whole-pixel corners filled in integer arithmetic against the
// general fill in floating point: the same runs, in the same order, for both
// fill rules, corners near and far, bounds that cut them.
// The portable raster only: the Windows build fills polygons with GDI.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "platform/soft/raster/shape_raster.h"

namespace pg::platform::soft {
namespace {

class RunLog final : public SpanSink {
 public:
  explicit RunLog(const TRect& bounds) : bounds_(bounds) {}
  const TRect& Bounds() const override { return bounds_; }
  void AddSpan(int y, int x0, int x1) override { runs.emplace_back(y, x0, x1); }
  std::vector<std::tuple<int, int, int>> runs;

 private:
  TRect bounds_;
};

std::vector<TPoint> RandomPolygon(std::mt19937& rng, int reach, int corners, bool jagged) {
  std::uniform_int_distribution<int> coord(-reach, reach);
  std::vector<TPoint> points;
  if (jagged) {
    for (int i = 0; i < corners; ++i) points.push_back(TPoint{coord(rng), coord(rng)});
    return points;
  }
  // A slice-like fan: a centre and an arc of nearby steps.
  TPoint p{coord(rng), coord(rng)};
  points.push_back(TPoint{p.x + coord(rng) / 3, p.y + coord(rng) / 3});
  std::uniform_int_distribution<int> step(-1, 1);
  for (int i = 0; i < corners; ++i) {
    p = TPoint{p.x + step(rng), p.y + step(rng)};
    points.push_back(p);
  }
  return points;
}

TEST(IntegerPolygon, FillsTheRunsOfTheGeneralFill) {
  std::mt19937 rng(11);
  const int reaches[] = {3, 40, 700, 1 << 19, (1 << 20) + 5, 1 << 27};
  int compared = 0;
  for (const int reach : reaches) {
    for (int i = 0; i < 600; ++i) {
      const bool jagged = i % 3 != 0;
      const auto points = RandomPolygon(rng, reach, jagged ? 3 + i % 9 : 5 + i % 90, jagged);
      std::vector<PointF> corners;
      for (const TPoint& p : points) corners.push_back(PointF{static_cast<double>(p.x), static_cast<double>(p.y)});
      // Bounds around the polygon's middle: huge polygons are cut to a window's size.
      const TPoint at = points[static_cast<std::size_t>(i) % points.size()];
      const int half = std::min(reach + 2, 300);
      const TRect bounds = i % 5 == 0 ? TRect{at.x - 7, at.y - 9, at.x + 5, at.y + 3}
                                      : TRect{at.x - half, at.y - half, at.x + half, at.y + half};
      for (const int mode : {kAlternate, kWinding}) {
        RunLog exact(bounds), general(bounds);
        AddPolygon(exact, std::span<const TPoint>(points), mode);
        AddPolygon(general, std::span<const PointF>(corners), mode);
        ASSERT_EQ(exact.runs, general.runs) << "reach " << reach << " polygon " << i << " mode " << mode;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 6 * 600 * 2);
}

}  // namespace
}  // namespace pg::platform::soft
#endif
