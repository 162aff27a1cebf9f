#pragma once
// The dashes of a wide geometric pen: GDI cuts the line into the pieces its
// pattern draws, and each piece gets the pen's ends and joins.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/metafile/affine.h"

namespace pg::platform::metafile {

// The pattern of a pen's style word in device pixels for a pen `width` wide:
// dash, gap, dash, gap ... The standard styles scale with the width (a dash
// three widths, a gap one, with round or square ends a width of each dash
// going to its gap); a user style gives its own lengths (`user`), which GDI
// takes as pixels whatever the map. Empty for a solid pen or a pattern of
// nothing but zeros.
std::vector<double> DashPattern(std::uint32_t penStyle, double width, std::span<const double> user);

// The drawn pieces of the device polyline (closed: back to its first point)
// under the pattern, which starts afresh at the line's first point. At most
// maxPieces pieces; what would come after them is left out.
std::vector<std::vector<PointD>> DashPieces(std::span<const PointD> points, bool closed,
                                            std::span<const double> pattern, std::size_t maxPieces);

}  // namespace pg::platform::metafile
