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
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture/picture_headers.h"

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

// The rows of a run-length bitmap, each played on its own: one pass over the
// codes finds where each row's play begins, so a picture reads only the rows it
// shows, and a few bytes that claim a huge bitmap cost no more than they hold.
class RunLengthRows {
 public:
  RunLengthRows(std::span<const std::uint8_t> bytes, const BitmapLayout& layout);
  // Row y (0 at the top) into out (the layout's width): what the data paints
  // there, `unpainted` elsewhere.
  void Row(int y, std::uint32_t unpainted, std::span<std::uint32_t> out) const;

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct RowStart {
    std::size_t at = kNone;  // offset in data_ where the row's codes begin
    int x = 0;
  };
  struct RowPaint {
    std::vector<std::uint8_t> index, painted;
  };
  // Plays the codes from `from` on row y: noting where rows begin (starts), or
  // painting row y alone (paint) and stopping when the data leaves it.
  void Walk(RowStart from, int y, std::vector<RowStart>* starts, RowPaint* paint) const;

  BitmapLayout layout_;
  std::array<std::uint32_t, 256> palette_;
  std::vector<std::uint8_t> data_;
  std::vector<RowStart> starts_;
};

// A bitmap file as a Bitmap of its size; null when ReadBitmapLayout refuses it
// or the bitmap cannot be allocated. Skipped run-length pixels stay white, as
// on a new bitmap that GDI draws the file into.
std::unique_ptr<Bitmap> ReadBitmapFile(std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
