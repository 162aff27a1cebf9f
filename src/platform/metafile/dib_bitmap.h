#pragma once
// The device-independent bitmaps metafile records carry, as Bitmaps the device
// context copies from.
#include <cstdint>
#include <memory>
#include <span>

#include "platform/bitmap.h"

namespace pg::platform::metafile {

// Null when the headers do not hold together (ReadPackedBitmapLayout). Colours
// given as indices into a palette that is not there come out as greys.
std::unique_ptr<Bitmap> DecodeDib(std::span<const std::uint8_t> dib, bool paletteIndices = false);

}  // namespace pg::platform::metafile
