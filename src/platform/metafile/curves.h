#pragma once
// Curves turned into the straight segments the device context draws, fine
// enough that they look round at the size they are drawn.
#include <span>
#include <vector>

#include "platform/metafile/affine.h"

namespace pg::platform::metafile {

// Appends the points of cubic Bezier segments after `from` (each segment three
// points: two controls and an end), given in device pixels; `from` itself is
// not appended. Leftover points that make no whole segment are ignored.
void FlattenBeziers(PointD from, std::span<const PointD> points, std::vector<PointD>& out);

// Points of the ellipse inscribed in the logical box (a, b), mapped to device
// pixels by toDevice, from the radial through `start` to the one through `end`,
// counter-clockwise as the device shows it unless clockwise. Equal radials make
// a full turn. With wholeEllipse, the full ellipse from its rightmost point.
std::vector<PointD> EllipseArc(PointD a, PointD b, PointD start, PointD end, bool clockwise, const Affine& toDevice,
                               bool wholeEllipse = false);

// A rectangle with corners rounded by quarter ellipses of the corner size, in
// logical units, mapped to device pixels.
std::vector<PointD> RoundRectOutline(PointD a, PointD b, PointD corner, const Affine& toDevice);

}  // namespace pg::platform::metafile
