#pragma once
// A metafile drawn by playing it onto the raster. Playing costs what the file
// holds, so one playing is kept for the size it was drawn at and repeated
// until the size changes.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/picture_files.h"

namespace pg::platform::soft {

using MetafilePlayer = bool (*)(std::span<const std::uint8_t>, DeviceContext&, const TRect&, long long, TSize);

std::unique_ptr<PictureImage> MakePlayedPicture(std::vector<std::uint8_t> bytes, PictureExtent extent,
                                                MetafilePlayer play);

}  // namespace pg::platform::soft
