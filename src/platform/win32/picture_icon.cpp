// Icon files: the first image of the directory becomes a GDI icon drawn with
// its mask.
#include <vector>

#include "platform/picture_headers.h"
#include "platform/win32/picture_decoders.h"

namespace pg::platform::win32 {

namespace {

class IconPicture final : public PictureImage {
 public:
  IconPicture(HICON icon, int width, int height) : icon_(icon), width_(width), height_(height) {}
  ~IconPicture() override { ::DestroyIcon(icon_); }
  PictureExtent Extent() const override { return PictureExtent{width_, height_, 0}; }
  void Draw(DeviceContext& dc, const TRect& dest) const override {
    if (HDC hdc = DrawingHandle(dc, dest))
      ::DrawIconEx(hdc, dest.left, dest.top, icon_, dest.Width(), dest.Height(), 0, nullptr, DI_NORMAL);
  }

 private:
  HICON icon_;
  int width_, height_;
};

}  // namespace

std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> b) {
  const auto l = ReadIconLayout(b);
  if (!l) return nullptr;
  // GDI reads the image in place but wants it writable.
  std::vector<BYTE> image(b.begin() + static_cast<std::ptrdiff_t>(l->imageOffset),
                          b.begin() + static_cast<std::ptrdiff_t>(l->imageOffset + l->imageSize));
  HICON icon = ::CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                          l->width, l->height, LR_DEFAULTCOLOR);
  if (!icon) return nullptr;
  return std::make_unique<IconPicture>(icon, l->width, l->height);
}

}  // namespace pg::platform::win32
