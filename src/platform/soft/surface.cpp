#include "platform/soft/surface.h"

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
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) Row(y)[x] = 0xFFFFFFu;
  cairo_surface_mark_dirty(cairo_);
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
