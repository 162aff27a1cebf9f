#pragma once
// Wide geometric pens whose end caps or joins the device context cannot draw
// (its wide pens are round at both): the outline becomes areas to fill with
// the pen's colour.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/metafile/affine.h"

namespace pg::platform::metafile {

// The pieces that together cover the stroke of the device polyline (closed:
// back to its first point) drawn `width` pixels wide with the cap and join of
// the pen style word; every piece turns the same way, so filling them together
// with the winding rule gives their union.
std::vector<std::vector<PointD>> StrokeOutline(std::span<const PointD> points, bool closed, double width,
                                               std::uint32_t penStyle, double miterLimit);

}  // namespace pg::platform::metafile
