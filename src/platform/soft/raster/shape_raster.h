#pragma once
// Regions of filled shapes as rows of pixel runs, handed to a SpanSink.
#include <span>
#include <vector>

#include "platform/graphics.h"
#include "platform/soft/raster/coverage.h"
#include "platform/soft/raster/span_sink.h"

namespace pg::platform::soft {

struct PointF {
  double x = 0;
  double y = 0;
};

// Polygon interior (alternate or winding rule): pixel (x, y) belongs to it when
// the point (x, y) does, points on left and top edges included, so the square
// (0,0)-(10,0)-(10,10)-(0,10) covers pixels 0..9.
void AddPolygon(SpanSink& out, std::span<const PointF> points, int fillMode);
// The same pixels for whole-pixel corners, found in integer arithmetic.
void AddPolygon(SpanSink& out, std::span<const TPoint> points, int fillMode);

// The ellipse inscribed in the box (right and bottom exclusive), sampled at pixel
// centres; EllipseRow gives row y's run [x0, x1), false when the row has none.
void AddEllipse(SpanSink& out, const TRect& box);
bool EllipseRow(const TRect& box, int y, int& x0, int& x1);

// A rectangle whose corners are quarters of a cornerWidth x cornerHeight ellipse.
void AddRoundRect(SpanSink& out, const TRect& box, int cornerWidth, int cornerHeight);

// Pixels of `region` with a 4-neighbour outside it: the 1-pixel outline.
Coverage Outline(const Coverage& region);

// A box with left <= right and top <= bottom.
TRect Normalized(const TRect& r);

}  // namespace pg::platform::soft
