#pragma once
// Fast filling of a bitmap by picture decoders, one row at a time.
#include <cstdint>
#include <span>

#include "platform/bitmap.h"

namespace pg::platform {

// Row y of the bitmap from column 0 takes the 0x00RRGGBB pixels (a 1-bit bitmap
// reduces each to black or white); pixels beyond the width, or a row outside the
// bitmap, are dropped.
void WriteBitmapRow(Bitmap& bitmap, int y, std::span<const std::uint32_t> pixels);

// Row y of a 32-bit bitmap as its width of 0x00RRGGBB words, for decoders that
// fill it in place (the top byte must stay 0); empty for a 1-bit bitmap or a
// row outside it. Valid until the bitmap is next drawn on or into.
std::span<std::uint32_t> BitmapRowPixels(Bitmap& bitmap, int y);

}  // namespace pg::platform
