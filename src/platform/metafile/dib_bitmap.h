#pragma once
// The device-independent bitmaps metafile records carry, as Bitmaps the device
// context copies from.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/bitmap.h"

namespace pg::platform::metafile {

// Null when the headers do not hold together (ReadPackedBitmapLayout). Colours
// given as indices into a palette that is not there come out as greys.
std::unique_ptr<Bitmap> DecodeDib(std::span<const std::uint8_t> dib, bool paletteIndices = false);

// The alpha byte of each pixel of a 32-bit uncompressed DIB, rows from the top;
// empty for any other kind, which has no alpha.
std::vector<std::uint8_t> DibAlpha(std::span<const std::uint8_t> dib);

}  // namespace pg::platform::metafile
