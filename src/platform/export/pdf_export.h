#pragma once
// The PDF writer's entry: a picture drawn through a recording context into a
// one-page PDF of the picture's size (96 pixels = 72 points), with the
// description as its title and alternate text. Empty when it cannot be made.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/device_context.h"
#include "platform/export/export_description.h"

namespace pg::platform {

std::vector<std::uint8_t> WritePdf(int width, int height, const std::function<void(DeviceContext&)>& draw,
                                   const ExportDescription& description);

}  // namespace pg::platform
