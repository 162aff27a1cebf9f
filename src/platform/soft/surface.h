#pragma once
// Pixels of a soft bitmap: a cairo image surface of 0x00RRGGBB words, also for
// 1-bit bitmaps (which only ever hold black and white).
#include <cairo.h>

#include <cstdint>

#include "platform/graphics.h"

namespace pg::platform::soft {

class Surface {
 public:
  Surface(int width, int height, bool mono);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Mono() const { return mono_; }
  TRect Bounds() const { return TRect{0, 0, width_, height_}; }
  // Null for an empty surface.
  cairo_surface_t* Cairo() const { return cairo_; }

  std::uint32_t* Row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  const std::uint32_t* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  std::ptrdiff_t Stride() const { return stride_; }  // words from a row to the next
  std::uint32_t At(int x, int y) const { return Row(y)[x] & 0xFFFFFFu; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Every pixel white, as a new surface starts.
  void Clear();

  // Call around direct cairo drawing.
  void BeginCairo();
  void EndCairo();

 private:
  int width_ = 0;
  int height_ = 0;
  bool mono_ = false;
  cairo_surface_t* cairo_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  int stride_ = 0;  // in words
};

// 0x00BBGGRR -> 0x00RRGGBB.
constexpr std::uint32_t ToPixel(Color c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace pg::platform::soft
