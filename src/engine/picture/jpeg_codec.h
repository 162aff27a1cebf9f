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
  int scans = 0;             // start-of-scan markers in the file
};

// A progressive file re-reads its whole picture for every scan, so one of a
// few hundred bytes can hold hundreds of scans over a picture of millions of
// pixels and stall its first paint for seconds. The first paint may read at
// most this many scans, and no more than kScanPixelBudget scan-pixels (scans x
// width x height): 500 scans as libjpeg-turbo's own tools limit them (a
// picture from an encoder has about ten), 64 over an 8192 x 8192 picture.
constexpr int kMaxScans = 500;
constexpr long long kScanPixelBudget = 64LL * 8192 * 8192;
int ScanLimit(int width, int height);

struct DecodeOptions {
  int scaleDenominator = 1;  // 1, 2, 4 or 8
  bool grayscale = false;
  bool quantize = false;  // to 236 colours
  bool bestSpeed = false;
  bool smoothing = true;
};

// Refuses (JERR_BAD_SCAN_SCRIPT) a file with more scans than ScanLimit allows.
int ReadHeader(std::span<const std::uint8_t> data, Header& header);

// The start-of-scan markers of a JPEG stream, found as the decoder finds them:
// marker segments skipped by their length, entropy-coded data up to the next
// marker that is not a restart.
int CountScans(std::span<const std::uint8_t> data);

// The size Decode gives with these options; larger than a bitmap may be fails.
int OutputSize(std::span<const std::uint8_t> data, const DecodeOptions& options, int& width, int& height);

// Hands each decoded row (top-down, width 0x00RRGGBB pixels) to `row`, which
// must not throw; width and height must be what OutputSize gave. Also refuses
// a stream whose scans pass ScanLimit.
using RowSink = void (*)(void* context, int y, const std::uint32_t* pixels, int width);
int Decode(std::span<const std::uint8_t> data, const DecodeOptions& options, int width, int height, RowSink row,
           void* context);

// A baseline (or progressive) JPEG of a picture whose rows `rows` fills, top
// down, with width 0x00RRGGBB pixels; `rows` must not throw.
using RowSource = void (*)(void* context, int y, std::uint32_t* pixels, int width);
int Encode(int width, int height, RowSource rows, void* context, int quality, bool progressive, bool grayscale,
           std::vector<std::uint8_t>& out);

}  // namespace pg::engine::jpeg
