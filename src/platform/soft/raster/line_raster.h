#pragma once
// Pixels of a 1-pixel line, stepped as GDI steps them.
#include <functional>

#include "platform/graphics.h"

namespace pg::platform::soft {

// Calls plot for each pixel from a towards b; b itself only when includeEnd. A
// line too long to step whole is first cut to `keep`.
void StepLine(TPoint a, TPoint b, bool includeEnd, const TRect& keep, const std::function<void(int, int)>& plot);

}  // namespace pg::platform::soft
