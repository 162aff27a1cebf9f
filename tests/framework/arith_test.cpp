#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

#include "framework/arith.h"

namespace {

using pg::Div;
using pg::MulDiv;
using pg::Round;

TEST(Round, HalvesToEvenAndClamps) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(2.5000001), 3);
  EXPECT_EQ(Round(-2.5000001), -3);
  EXPECT_EQ(Round(15.72), 16);
  EXPECT_EQ(Round(2147483646.5), 2147483646);
  EXPECT_EQ(Round(2147483647.4), INT_MAX);
  EXPECT_EQ(Round(1e300), INT_MAX);
  EXPECT_EQ(Round(-2147483648.5), INT_MIN);
  EXPECT_EQ(Round(-INFINITY), INT_MIN);
  EXPECT_EQ(Round(NAN), 0);
  // Below zero the floor is one less than the truncation, except at whole numbers.
  EXPECT_EQ(Round(-0.4), 0);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-0.6), -1);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(-3.0), -3);
  EXPECT_EQ(Round(-2147483647.5), INT_MIN);
  EXPECT_EQ(Round(-2147483647.4), -2147483647);
  // Against the floor's definition over many halves, quarters and thirds.
  for (int i = -4000; i <= 4000; ++i)
    for (const double d : {4.0, 3.0, 2.0}) {
      const double v = i / d, lower = std::floor(v), fraction = v - lower;
      const int expected = static_cast<int>(lower) + (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2) != 0));
      ASSERT_EQ(Round(v), expected) << v;
    }
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(1, 1, -2), -1);
  EXPECT_EQ(MulDiv(-1, -1, -2), -1);
  EXPECT_EQ(MulDiv(-1, -1, 2), 1);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
  EXPECT_EQ(MulDiv(-2, 1, 3), -1);
  EXPECT_EQ(MulDiv(3, 524, 100), 16);  // the panel margins: 15.72
  EXPECT_EQ(MulDiv(4, 246, 100), 10);  // 9.84
  // k * 1000 / 256 = k * 125 / 32: a half exactly at odd multiples of 16.
  EXPECT_EQ(MulDiv(15, 1000, 256), 59);
  EXPECT_EQ(MulDiv(16, 1000, 256), 63);
  EXPECT_EQ(MulDiv(48, 1000, 256), 188);
  EXPECT_EQ(MulDiv(-16, 1000, 256), -63);
  EXPECT_EQ(MulDiv(255, 1000, 256), 996);
}

TEST(MulDiv, ProductsBeyond32BitsZeroDivisorAndOverflow) {
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
  EXPECT_EQ(MulDiv(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
  EXPECT_EQ(MulDiv(INT32_MIN, INT32_MIN, INT32_MIN), INT32_MIN);
  EXPECT_EQ(MulDiv(INT32_MIN, -1, -1), INT32_MIN);
  EXPECT_EQ(MulDiv(-(1 << 20), 3 << 20, 1 << 12), -(3 << 28));
  EXPECT_EQ(MulDiv(5, 7, 0), -1);
  EXPECT_EQ(MulDiv(INT32_MAX, 2, 1), -1);
  EXPECT_EQ(MulDiv(INT32_MIN, 1, -1), -1);
}

TEST(Div, TruncatesTowardZeroWithoutTraps) {
  static_assert(Div(7, 2) == 3 && Div(-7, 2) == -3 && Div(7, -2) == -3 && Div(-7, -2) == 3);
  static_assert(Div(-1, 2) == 0 && Div(5, 0) == 0 && Div(INT_MIN, -1) == INT_MAX);
  const volatile int zero = 0;
  EXPECT_EQ(Div(9, zero), 0);
}

TEST(Wrap, Modulo2To32) {
  static_assert(pg::WrapAdd(INT32_MAX, 1) == INT32_MIN);
  static_assert(pg::WrapAdd(INT32_MAX, INT32_MAX) == -2);
  static_assert(pg::WrapSub(INT32_MIN, 1) == INT32_MAX);
  static_assert(pg::WrapSub(0, INT32_MIN) == INT32_MIN);
}

}  // namespace
