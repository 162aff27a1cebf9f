#pragma once
// A 1-pixel line of one colour stored straight into a surface's rows: the
// pixels StepLine steps, walked with a pointer instead of a row and column per
// pixel. Outlines of thousands of thin slices are mostly such lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/graphics.h"

namespace pg::platform::soft {

// Sets the pixels of the line from a towards b (b itself only when includeEnd)
// to `color`, stepped as StepLine steps them, in rows of `stride` words from
// `origin` (pixel (0, 0)). Both ends, and so every pixel between, must lie
// within the rows.
inline void StoreLine(std::uint32_t* origin, std::ptrdiff_t stride, TPoint a, TPoint b, bool includeEnd,
                      std::uint32_t color) {
  const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  const std::ptrdiff_t sx = b.x >= a.x ? 1 : -1, sy = b.y >= a.y ? stride : -stride;
  // A crossing exactly half-way steps at once when the minor direction is up
  // or left: the minor step is taken at err > 0, or at err >= 0 then.
  std::uint32_t* p = origin + a.y * stride + a.x;
  if (dx >= dy) {
    const long long tie = b.y < a.y ? -1 : 0;
    long long err = 2LL * dy - dx;
    for (int i = 0; i < dx; ++i) {
      *p = color;
      if (err > tie) {
        p += sy;
        err -= 2LL * dx;
      }
      err += 2LL * dy;
      p += sx;
    }
  } else {
    const long long tie = b.x < a.x ? -1 : 0;
    long long err = 2LL * dx - dy;
    for (int i = 0; i < dy; ++i) {
      *p = color;
      if (err > tie) {
        p += sx;
        err -= 2LL * dy;
      }
      err += 2LL * dx;
      p += sy;
    }
  }
  if (includeEnd) origin[b.y * stride + b.x] = color;
}

}  // namespace pg::platform::soft
