#pragma once
// Pictures with partial transparency (icons, rendered metafiles) land on a soft
// surface through the context's own bitmap copy, so its clip and its colour
// reduction apply as to every other copy.
#include <cstdint>
#include <functional>

#include "platform/device_context.h"

namespace pg::platform::soft {

// The part of dest the context can show; empty when none.
TRect VisiblePart(DeviceContext& dc, const TRect& dest);

// Over every pixel of area, the premultiplied 0xAARRGGBB value that source gives
// for it (coordinates relative to area) is blended over what dc holds there.
void BlendOnto(DeviceContext& dc, const TRect& area, const std::function<std::uint32_t(int x, int y)>& source);

}  // namespace pg::platform::soft
