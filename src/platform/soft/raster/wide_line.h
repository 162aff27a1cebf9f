#pragma once
// The pixels of one segment of a wide round-ended pen, laid out as GDI lays
// them: a band whose corners are whole pixels (the half widths rounded apart,
// one side of the line a pixel wider for odd halves) filled as a polygon, and
// at each end the pen's disc, the ellipse inscribed in a width-sized box.
#include "platform/graphics.h"
#include "platform/soft/raster/span_sink.h"

namespace pg::platform::soft {

void AddWideSegment(SpanSink& out, TPoint a, TPoint b, int width);

}  // namespace pg::platform::soft
