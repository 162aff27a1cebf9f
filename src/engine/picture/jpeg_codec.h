#pragma once
// The module's calls into libjpeg, all of them here. Each returns 0, or the
// number of the libjpeg message that stopped it; none throws, and none lets a
// libjpeg error jump across C++ objects.
#include <cstdint>
#include <span>
#include <vector>

namespace pg::engine::jpeg {

struct Header {
  int width = 0;
  int height = 0;
  bool grayscale = false;
  bool progressive = false;  // more than one scan
};

struct DecodeOptions {
  int scaleDenominator = 1;  // 1, 2, 4 or 8
  bool grayscale = false;
  bool quantize = false;  // to 236 colours
  bool bestSpeed = false;
  bool smoothing = true;
};

int ReadHeader(std::span<const std::uint8_t> data, Header& header);

// The size Decode gives with these options; larger than a bitmap may be fails.
int OutputSize(std::span<const std::uint8_t> data, const DecodeOptions& options, int& width, int& height);

// Fills pixels (width × height of 0x00RRGGBB, rows top-down), whose size must be
// what OutputSize gave.
int Decode(std::span<const std::uint8_t> data, const DecodeOptions& options, std::span<std::uint32_t> pixels,
           int width, int height);

// A baseline (or progressive) JPEG of the 0x00RRGGBB pixels.
int Encode(std::span<const std::uint32_t> pixels, int width, int height, int quality, bool progressive,
           bool grayscale, std::vector<std::uint8_t>& out);

}  // namespace pg::engine::jpeg
