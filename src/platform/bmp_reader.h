#pragma once
// The pixels of a Windows bitmap, read the way GDI reads them: every depth, the
// three colour masks, both run-length forms, the OS/2 core header, the longer
// headers, rows either way round. The portable build draws bitmaps and icons
// from these pixels; the Windows build's tests hold them against GDI's own.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "platform/bitmap.h"
#include "platform/picture_headers.h"

namespace pg::platform {

// Where row y (0 at the top) goes: width 0x00RRGGBB words, filled in place.
using BitmapRowTarget = std::function<std::span<std::uint32_t>(int y)>;

// Reads the pixels a layout from ReadBitmapLayout or ReadPackedBitmapLayout
// describes in bytes (the same bytes it was read from), top row first.
// Palette indices beyond the palette are black; pixels a run-length bitmap
// skips (deltas, rows it ends early) are `unpainted`.
void ReadBitmapRows(std::span<const std::uint8_t> bytes, const BitmapLayout& layout, std::uint32_t unpainted,
                    const BitmapRowTarget& target);

// Any pixel of a bitmap that is not run-length coded, as ReadBitmapRows reads
// it; for pictures that read only the pixels they show. Keeps a view of bytes.
class BitmapPixelReader {
 public:
  BitmapPixelReader(std::span<const std::uint8_t> bytes, const BitmapLayout& layout);
  // 0x00RRGGBB of pixel (x, y), y counted from the top; both inside the layout.
  std::uint32_t At(int x, int y) const;

 private:
  std::uint32_t Masked(std::uint32_t pixel) const;
  std::span<const std::uint8_t> bytes_;
  BitmapLayout layout_;
  std::array<std::uint32_t, 256> palette_;
  std::size_t stride_;
  int shift_[3] = {}, length_[3] = {};
};

// A bitmap file as a Bitmap of its size; null when ReadBitmapLayout refuses it
// or the bitmap cannot be allocated. Skipped run-length pixels stay white, as
// on a new bitmap that GDI draws the file into.
std::unique_ptr<Bitmap> ReadBitmapFile(std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
