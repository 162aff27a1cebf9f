#pragma once
// PNG files read through libpng (icon entries), on both builds.
#include <cstdint>
#include <span>
#include <vector>

namespace pg::platform {

struct PngPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // 0xAARRGGBB, straight alpha, rows top-down
};

// Every colour type and depth, interlaced or not, widened or narrowed to 8 bits
// a channel as it is stored (no gamma applied). False for a damaged file or a
// picture larger than a Bitmap may be.
bool ReadPng(std::span<const std::uint8_t> bytes, PngPixels& out);

}  // namespace pg::platform
