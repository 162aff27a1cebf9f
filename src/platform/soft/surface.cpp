#include "platform/soft/surface.h"

#include <algorithm>
#include <cstring>

namespace pg::platform::soft {

Surface::Surface(int width, int height, bool mono) : mono_(mono) {
  if (width <= 0 || height <= 0) return;
  cairo_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(cairo_) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(cairo_);
    cairo_ = nullptr;
    return;
  }
  width_ = width;
  height_ = height;
  pixels_ = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(cairo_));
  stride_ = cairo_image_surface_get_stride(cairo_) / 4;
  Clear();
}

void Surface::Clear() {
  if (height_ <= 0) return;
  // One row filled, then copied: a pump paint starts from this.
  std::fill_n(Row(0), width_, 0xFFFFFFu);
  const std::size_t bytes = static_cast<std::size_t>(width_) * sizeof(std::uint32_t);
  for (int y = 1; y < height_; ++y) std::memcpy(Row(y), Row(0), bytes);
  if (cairo_) cairo_surface_mark_dirty(cairo_);
}

Surface::~Surface() {
  if (cairo_) cairo_surface_destroy(cairo_);
}

void Surface::BeginCairo() {
  if (cairo_) cairo_surface_mark_dirty(cairo_);
}

void Surface::EndCairo() {
  if (cairo_) cairo_surface_flush(cairo_);
}

}  // namespace pg::platform::soft
