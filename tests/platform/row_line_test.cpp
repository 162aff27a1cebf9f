// Lines stored straight into the rows against the stepper they stand for:
// every pair of ends in a small square, so each slope, direction and half-way
// tie is met. The portable raster only: the Windows build draws lines with GDI.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <vector>

#include "platform/soft/raster/line_raster.h"
#include "platform/soft/raster/row_line.h"

namespace pg::platform::soft {
namespace {

constexpr int kSide = 9;
constexpr std::uint32_t kInk = 0x123456, kPaper = 0xFFFFFF;

// Rows a few words wider than the square, so that a step off a row would show.
constexpr std::ptrdiff_t kStride = kSide + 3;
using Rows = std::vector<std::uint32_t>;

TEST(RowLine, SetsThePixelsTheStepperSteps) {
  const TRect square{0, 0, kSide, kSide};
  for (int a = 0; a < kSide * kSide; ++a)
    for (int b = 0; b < kSide * kSide; ++b)
      for (const bool includeEnd : {false, true}) {
        const TPoint from{a % kSide, a / kSide}, to{b % kSide, b / kSide};
        Rows stored(kStride * kSide, kPaper), stepped(kStride * kSide, kPaper);
        StoreLine(stored.data(), kStride, from, to, includeEnd, kInk);
        StepLine(from, to, includeEnd, square, [&](int x, int y) { stepped[y * kStride + x] = kInk; });
        ASSERT_EQ(stored, stepped) << "from (" << from.x << ", " << from.y << ") to (" << to.x << ", " << to.y
                                   << ")" << (includeEnd ? " with its end" : "");
      }
}

}  // namespace
}  // namespace pg::platform::soft
#endif
