#pragma once

#include <algorithm>

#include "platform/graphics.h"

namespace pg::platform::soft {

// GDI's own coordinate range; beyond it nothing is defined, and clamping keeps
// the raster's arithmetic from overflowing.
inline constexpr int kRasterLimit = 1 << 27;
inline int Clamp(int v) { return std::clamp(v, -kRasterLimit, kRasterLimit); }
inline TPoint Clamp(TPoint p) { return TPoint{Clamp(p.x), Clamp(p.y)}; }
inline TRect Clamp(const TRect& r) {
  return TRect{Clamp(r.left), Clamp(r.top), Clamp(r.right), Clamp(r.bottom)};
}

}  // namespace pg::platform::soft
