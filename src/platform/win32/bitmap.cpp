#include "platform/bitmap.h"

#include "platform/win32/bitmap_impl.h"

namespace pg::platform {

Bitmap::Bitmap(int width, int height, int bitsPerPixel) : impl_(std::make_unique<Impl>()) {
  Impl& m = *impl_;
  m.bitsPerPixel = bitsPerPixel == 1 ? 1 : 32;
  m.dc = ::CreateCompatibleDC(nullptr);
  if (SizeAllowed(width, height)) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD palette[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top-down rows
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(m.bitsPerPixel);
    info.header.biCompression = BI_RGB;
    info.palette[1] = RGBQUAD{255, 255, 255, 0};
    void* bits = nullptr;
    m.bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m.bitmap && m.dc) {
      m.width = width;
      m.height = height;
      m.bits = static_cast<const std::uint8_t*>(bits);
      m.stride = ((width * m.bitsPerPixel + 31) / 32) * 4;
      m.original = ::SelectObject(m.dc, m.bitmap);
      ::PatBlt(m.dc, 0, 0, width, height, WHITENESS);
    }
  }
  m.context = std::make_unique<win32::GdiDeviceContext>(m.dc);
}

Bitmap::~Bitmap() {
  Impl& m = *impl_;
  m.context.reset();
  if (m.original) ::SelectObject(m.dc, m.original);
  if (m.bitmap) ::DeleteObject(m.bitmap);
  if (m.dc) ::DeleteDC(m.dc);
}

int Bitmap::Width() const { return impl_->width; }
int Bitmap::Height() const { return impl_->height; }
int Bitmap::BitsPerPixel() const { return impl_->bitsPerPixel; }
DeviceContext& Bitmap::Dc() { return *impl_->context; }
const DeviceContext& Bitmap::Dc() const { return *impl_->context; }

std::uint32_t Bitmap::Pixel(int x, int y) const {
  const Impl& m = *impl_;
  if (!m.bits || x < 0 || y < 0 || x >= m.width || y >= m.height) return 0;
  ::GdiFlush();
  const std::uint8_t* row = m.bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.stride);
  if (m.bitsPerPixel == 1) return ((row[x / 8] >> (7 - x % 8)) & 1) ? 0xFFFFFFu : 0u;
  const std::uint8_t* p = row + 4 * x;
  return (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
}

}  // namespace pg::platform
