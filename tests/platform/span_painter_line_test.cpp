// A solid line stored straight into the rows against the pixels StepLine plots:
// every direction, the half-way ties, both ends, lines along the edges.
// The portable raster only: the Windows build draws lines with GDI.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/soft/raster/painter.h"
#include "platform/soft/surface.h"

namespace pg::platform::soft {
namespace {

std::vector<std::uint32_t> Pixels(const Surface& s) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) out.push_back(s.At(x, y));
  return out;
}

TEST(SpanPainterLine, StoresThePixelsStepLinePlots) {
  constexpr int kW = 41, kH = 29;
  const TRect all{0, 0, kW, kH};
  PaintSource red;
  red.color = 0xFF0000;
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> x(0, kW - 1), y(0, kH - 1);
  for (int i = 0; i < 3000; ++i) {
    // Every fourth line has an exact diagonal or a 2:1 slope, where ties fall.
    TPoint a{x(rng), y(rng)}, b{x(rng), y(rng)};
    if (i % 4 == 0) b = TPoint{std::clamp(a.x + (i % 8 ? 8 : -8), 0, kW - 1), std::clamp(a.y + (i % 3 ? 4 : -4), 0, kH - 1)};
    const bool includeEnd = i % 2 == 0;
    Surface stored(kW, kH, false), stepped(kW, kH, false);
    SpanPainter(stored, all, red, kRopCopy, nullptr).Line(a, b, includeEnd, all);
    StepLine(a, b, includeEnd, all, [&](int px, int py) { stepped.Row(py)[px] = red.color; });
    ASSERT_EQ(Pixels(stored), Pixels(stepped)) << a.x << "," << a.y << " -> " << b.x << "," << b.y;
  }
}

}  // namespace
}  // namespace pg::platform::soft
#endif
