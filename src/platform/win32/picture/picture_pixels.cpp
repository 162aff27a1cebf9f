#include "platform/picture_pixels.h"

#include <algorithm>

#include "platform/win32/bitmap_impl.h"

namespace pg::platform {

void WriteBitmapRow(Bitmap& bitmap, int y, std::span<const std::uint32_t> pixels) {
  Bitmap::Impl& m = bitmap.impl();
  if (!m.bits || y < 0 || y >= m.height) return;
  ::GdiFlush();
  // The bits are the DIB section's own memory, top-down.
  auto* row = const_cast<std::uint8_t*>(m.bits) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.stride);
  const int n = static_cast<int>(std::min(pixels.size(), static_cast<std::size_t>(m.width)));
  for (int x = 0; x < n; ++x) {
    const std::uint32_t c = pixels[static_cast<std::size_t>(x)];
    if (m.bitsPerPixel == 1) {
      // The nearer of black and white, as GDI reduces copied colours.
      const bool white = ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) > 3 * 255 / 2;
      const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
      row[x / 8] = white ? static_cast<std::uint8_t>(row[x / 8] | bit) : static_cast<std::uint8_t>(row[x / 8] & ~bit);
    } else {
      std::uint8_t* p = row + 4 * x;
      p[0] = static_cast<std::uint8_t>(c & 0xFF);
      p[1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
      p[2] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
      p[3] = 0;
    }
  }
}

std::span<std::uint32_t> BitmapRowPixels(Bitmap& bitmap, int y) {
  Bitmap::Impl& m = bitmap.impl();
  if (!m.bits || m.bitsPerPixel != 32 || y < 0 || y >= m.height) return {};
  // GDI may still be drawing into the section; the bits are top-down B, G, R, 0
  // bytes, which are 0x00RRGGBB words.
  ::GdiFlush();
  auto* row = const_cast<std::uint8_t*>(m.bits) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.stride);
  return {reinterpret_cast<std::uint32_t*>(row), static_cast<std::size_t>(m.width)};
}

}  // namespace pg::platform
