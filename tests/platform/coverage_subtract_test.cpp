// Subtracting one coverage from another, a run at a time, on rows whose buffer
// a bigger shape used before (only the columns a row has touched are defined),
// and the count of each row that lets a run over a full row cost nothing.
// The portable raster only: the Windows build fills shapes with GDI.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "platform/soft/raster/coverage.h"

namespace pg::platform::soft {
namespace {

constexpr TRect kSurface{0, 0, 40, 30};

Coverage Square(int left, int top, int right, int bottom) {
  Coverage c(kSurface);
  for (int y = top; y < bottom; ++y) c.AddSpan(y, left, right);
  return c;
}

TEST(CoverageSubtract, RemovesTheOverlapAndKeepsTheRest) {
  {
    // Leaves every row's buffer full of set bytes for the coverages below.
    const Coverage before = Square(0, 0, 40, 30);
    ASSERT_FALSE(before.Empty());
  }
  Coverage a = Square(5, 5, 15, 15);
  const Coverage b = Square(10, 10, 40, 30);
  a.Subtract(b);
  EXPECT_TRUE(a.Has(5, 5));
  EXPECT_TRUE(a.Has(14, 9));
  EXPECT_TRUE(a.Has(9, 14));
  EXPECT_FALSE(a.Has(10, 10));
  EXPECT_FALSE(a.Has(14, 14));
  // Columns a row never touched are not counted as removed: what is left is
  // exactly the L, and taking it away leaves nothing.
  a.Subtract(Square(0, 0, 40, 10));
  EXPECT_FALSE(a.Empty());
  a.Subtract(Square(0, 10, 10, 30));
  EXPECT_TRUE(a.Empty());
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_FALSE(a.Has(x, y)) << x << "," << y;
}

TEST(CoverageSubtract, RunsBeyondTheRowOrTheSurfaceChangeNothingElse) {
  Coverage a = Square(20, 0, 21, 30);
  Coverage outside(TRect{-100, -100, 200, 200});
  outside.AddSpan(-50, -100, 200);
  outside.AddSpan(3, -100, 20);
  outside.AddSpan(4, 21, 200);
  a.Subtract(outside);
  for (int y = 0; y < 30; ++y) EXPECT_TRUE(a.Has(20, y)) << y;
}

TEST(CoverageSubtract, AFullRowTakesRunsAgainOnceEmptied) {
  Coverage a = Square(0, 0, 40, 30);
  a.AddSpan(3, -10, 60);  // a full row: nothing changes
  a.Subtract(Square(10, 3, 20, 4));
  EXPECT_FALSE(a.Has(15, 3));
  a.AddSpan(3, 12, 14);  // no longer full: the run lands
  EXPECT_TRUE(a.Has(12, 3));
  EXPECT_TRUE(a.Has(13, 3));
  EXPECT_FALSE(a.Has(14, 3));
  a.Remove(0, 3);
  a.Add(0, 3);
  a.AddSpan(3, 10, 20);
  // Full again, then emptied pixel by pixel and by runs: the counts agree.
  for (int x = 0; x < 40; ++x) a.Remove(x, 3);
  a.Subtract(Square(0, 0, 40, 3));
  a.Subtract(Square(0, 4, 40, 30));
  EXPECT_TRUE(a.Empty());
  a.AddSpan(29, 39, 41);
  EXPECT_TRUE(a.Has(39, 29));
  EXPECT_FALSE(a.Empty());
}

}  // namespace
}  // namespace pg::platform::soft
#endif
