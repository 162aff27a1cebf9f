#pragma once
// Keeps coordinates within a range GDI handles quickly: far outside every
// bitmap, lines and polygons are cut to it and boxes clamped, so absurd values
// cannot stall the host's thread.
#include <windows.h>

#include <span>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform::win32 {

constexpr int kGuard = 1 << 16;

int Guard(int v);
TRect Guard(const TRect& r);
bool Inside(const TPoint& p);
// The part of segment a-b inside the guard square; false when none.
bool CutSegment(TPoint& a, TPoint& b);
// The polygon cut to the guard square (Sutherland-Hodgman).
std::vector<POINT> CutPolygon(std::span<const TPoint> points);

}  // namespace pg::platform::win32
