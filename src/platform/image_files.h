#pragma once
// Encoders of the picture files a bitmap is saved as, shared by both backends.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pg::platform {

// Gives 0x00RRGGBB of pixel (x, y).
using PixelSource = std::function<std::uint32_t(int x, int y)>;

// Windows BMP with a BITMAPINFOHEADER, rows bottom-up: 24 bits per pixel, or
// 1 bit with a black/white palette (a pixel is white when its channels sum to
// more than half of white's).
std::vector<std::uint8_t> EncodeBmp(int width, int height, int bitsPerPixel, const PixelSource& pixel);

// PNG, 8-bit RGB, fast compression; empty when the picture is empty (PNG has no
// 0 x 0 form) or the encoder fails.
std::vector<std::uint8_t> EncodePng(int width, int height, const PixelSource& pixel);

// Writes the bytes as WriteFileReplacing does; false on any failure.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace pg::platform
