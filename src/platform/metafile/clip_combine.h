#pragma once
// GDI combines clip regions pixel by pixel. Two clips (a rectangle, or rings
// filled odd-even, in device pixels) combined the same way over a bounded part
// of the surface, the result given back as the rectangles of its pixels.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/metafile/playback.h"

namespace pg::platform::metafile {

// The pixels of bounds the clip lets through (a pixel is in when its centre
// is), row by row; kNone lets everything through.
std::vector<std::uint8_t> ClipMask(const Clip& clip, const TRect& bounds);

// a `mode` b (kAnd, kOr, kXor, kDiff) within bounds: one rectangle (empty when
// nothing is left) or rings of rectangles that do not overlap.
Clip CombineClips(const Clip& a, const Clip& b, Combine mode, const TRect& bounds);

// One outline through every ring: each ring is entered from and left back to
// the first ring's start, so the connecting edges cancel under either fill rule.
std::vector<TPoint> Bridged(std::span<const std::vector<TPoint>> rings);

// A rectangle's corners as a ring, clockwise on the page from the top left.
std::vector<TPoint> RectRing(const TRect& r);

// What two rectangles share; empty (not inverted) when nothing.
TRect Meet(const TRect& a, const TRect& b);

}  // namespace pg::platform::metafile
