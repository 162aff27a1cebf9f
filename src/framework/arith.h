#pragma once
// The integer arithmetic the chart engine draws with. Pixel positions must come
// out exactly as the engine has always computed them, so every rounding and
// division in the tree goes through these helpers.
#include <climits>
#include <cstdint>

namespace pg {

// Nearest integer, halves to even (Round(2.5) = 2, Round(3.5) = 4,
// Round(-2.5) = -2). Values beyond the int range are clamped to INT_MIN/INT_MAX
// and NaN gives 0, so a runaway geometry value never becomes undefined behaviour.
int Round(double value);

// a * b / c computed in 64 bits, rounded to nearest with halves away from zero
// (MulDiv(1, 1, 2) = 1, MulDiv(-1, 1, 2) = -1). As the Windows function it
// replaces: c = 0 gives -1, and so does a result outside the int32 range.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// Integer division truncating toward zero. Dividing by 0 gives 0 instead of
// trapping, and the one overflowing quotient INT_MIN / -1 is clamped to INT_MAX.
constexpr int Div(int a, int b) {
  if (b == 0) return 0;
  if (a == INT_MIN && b == -1) return INT_MAX;
  return a / b;
}

// 32-bit two's-complement addition and subtraction that wrap around, as the
// roll angle does, computed in unsigned arithmetic so the wrap is well defined.
constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// Pixel coordinates stay within +-2^28: sums of two of them, and the widths
// between them, never overflow, and nothing on a surface lies that far out.
inline constexpr int kCoordLimit = 1 << 28;
constexpr int ClampCoord(std::int64_t v) {
  return v < -kCoordLimit ? -kCoordLimit : v > kCoordLimit ? kCoordLimit : static_cast<int>(v);
}

}  // namespace pg
