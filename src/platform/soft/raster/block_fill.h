#pragma once
// Boxes of pixels painted row by row, as PaintSpan paints each row.
#include "platform/graphics.h"
#include "platform/soft/raster/painter.h"

namespace pg::platform::soft {

// Paints rows [box.top, box.bottom) of columns [box.left, box.right), each as
// PaintSpan paints it. A solid copy without a clip paints the first row on the
// surface and copies it onto the others: every mark and legend entry is such a
// box, and a copy of a row takes a few instructions where a fill takes a
// hundred.
void PaintBlock(Surface& surface, const TRect& box, const PaintSource& source, int rop2, const Coverage* clip);

}  // namespace pg::platform::soft
