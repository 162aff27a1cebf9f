#include "platform/bitmap.h"

#include "platform/soft/bitmap_impl.h"

namespace pg::platform {

Bitmap::Bitmap(int width, int height, int bitsPerPixel) : impl_(std::make_unique<Impl>()) {
  const bool mono = bitsPerPixel == 1;
  if (SizeAllowed(width, height)) impl_->surface = std::make_unique<soft::Surface>(width, height, mono);
  if (!impl_->surface) impl_->surface = std::make_unique<soft::Surface>(0, 0, mono);
  impl_->context = std::make_unique<soft::SoftDeviceContext>(*impl_->surface);
}

Bitmap::~Bitmap() = default;

int Bitmap::Width() const { return impl_->surface->Width(); }
int Bitmap::Height() const { return impl_->surface->Height(); }
int Bitmap::BitsPerPixel() const { return impl_->surface->Mono() ? 1 : 32; }
DeviceContext& Bitmap::Dc() { return *impl_->context; }
const DeviceContext& Bitmap::Dc() const { return *impl_->context; }

std::uint32_t Bitmap::Pixel(int x, int y) const {
  const soft::Surface& s = *impl_->surface;
  return s.Contains(x, y) ? s.At(x, y) : 0;
}

}  // namespace pg::platform
