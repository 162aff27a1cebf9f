#include "framework/arith.h"

namespace pg {

int Round(double value) {
  // NaN fails both tests and gives 0.
  if (!(value > static_cast<double>(INT_MIN) && value < static_cast<double>(INT_MAX)))
    return value > 0 ? INT_MAX : value < 0 ? INT_MIN : 0;
  // Within the int range the truncation, one less below it, is the floor (a
  // pie paint rounds hundreds of thousands of times: no library call), and the
  // difference is exact, so the tie test does not depend on the floating-point
  // rounding mode.
  const int truncated = static_cast<int>(value);
  const int lower = truncated - (value < truncated ? 1 : 0);
  const double fraction = value - lower;
  int result = lower;
  if (fraction > 0.5 || (fraction == 0.5 && (result % 2) != 0)) ++result;
  return result;
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  // Magnitudes fit: |a * b| <= 2^62 and |c| <= 2^31, so adding half of |c| cannot overflow.
  const std::uint64_t magnitude =
      product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
  const std::uint64_t divisor =
      c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c)) : static_cast<std::uint64_t>(c);
  const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
  if (negative) {
    if (quotient > static_cast<std::uint64_t>(INT32_MAX) + 1) return -1;
    return static_cast<std::int32_t>(0 - quotient);
  }
  if (quotient > static_cast<std::uint64_t>(INT32_MAX)) return -1;
  return static_cast<std::int32_t>(quotient);
}

}  // namespace pg
