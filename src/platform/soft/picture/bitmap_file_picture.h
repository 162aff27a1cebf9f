#pragma once
// A bitmap file on the portable build, kept as the file holds it: each paint
// reads only the source pixels it shows, so a large file costs neither a
// decoded copy of itself at load nor its decoding at every paint.
#include <cstdint>
#include <memory>
#include <span>

#include "platform/picture_files.h"

namespace pg::platform::soft {

// Null when ReadBitmapLayout refuses the bytes (or a run-length bitmap, decoded
// whole, cannot be allocated).
std::unique_ptr<PictureImage> MakeBitmapFilePicture(std::span<const std::uint8_t> bytes);

}  // namespace pg::platform::soft
