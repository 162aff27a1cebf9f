#include "platform/picture_pixels.h"

#include <algorithm>

#include "platform/soft/bitmap_impl.h"
#include "platform/soft/picture/color_reduction.h"

namespace pg::platform {

void WriteBitmapRow(Bitmap& bitmap, int y, std::span<const std::uint32_t> pixels) {
  soft::Surface& s = *bitmap.impl().surface;
  if (y < 0 || y >= s.Height()) return;
  const std::size_t n = std::min(pixels.size(), static_cast<std::size_t>(s.Width()));
  std::uint32_t* row = s.Row(y);
  for (std::size_t x = 0; x < n; ++x) {
    const std::uint32_t rgb = pixels[x] & 0xFFFFFFu;
    row[x] = s.Mono() ? soft::ReduceCopiedColor(rgb) : rgb;
  }
}

std::span<std::uint32_t> BitmapRowPixels(Bitmap& bitmap, int y) {
  soft::Surface& s = *bitmap.impl().surface;
  if (s.Mono() || y < 0 || y >= s.Height()) return {};
  return {s.Row(y), static_cast<std::size_t>(s.Width())};
}

}  // namespace pg::platform
