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
  // Along the major direction a step every pixel, along the minor one where
  // the exact line crosses a pixel boundary. A crossing exactly half-way steps
  // at once when the minor direction is up or left: at err >= 0 then, not > 0.
  const bool alongX = dx >= dy;
  const long long major = alongX ? dx : dy, minor = alongX ? dy : dx;
  const std::ptrdiff_t majorStep = alongX ? sx : sy, minorStep = alongX ? sy : sx;
  const long long tie = (alongX ? b.y < a.y : b.x < a.x) ? -1 : 0;
  std::uint32_t* p = origin + a.y * stride + a.x;
  long long err = 2 * minor - major;
  for (long long i = 0; i < major; ++i) {
    *p = color;
    if (err > tie) {
      p += minorStep;
      err -= 2 * major;
    }
    err += 2 * minor;
    p += majorStep;
  }
  if (includeEnd) origin[b.y * stride + b.x] = color;
}

}  // namespace pg::platform::soft
