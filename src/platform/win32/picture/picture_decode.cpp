#include "platform/picture_files.h"
#include "platform/win32/gdi_device_context.h"
#include "platform/win32/picture/picture_decoders.h"

namespace pg::platform {

std::unique_ptr<PictureImage> DecodePicture(PictureFormat format, std::span<const std::uint8_t> bytes) {
  switch (format) {
    case PictureFormat::kBitmap: return win32::DecodeBitmapFile(bytes);
    case PictureFormat::kIcon: return win32::DecodeIconFile(bytes);
    case PictureFormat::kEnhancedMetafile: return win32::DecodeEmfFile(bytes);
    case PictureFormat::kWindowsMetafile: return win32::DecodeWmfFile(bytes);
  }
  return nullptr;
}

namespace win32 {

HDC DrawingHandle(DeviceContext& dc, const TRect& dest) {
  constexpr int kLimit = 32767;
  if (dest.Width() <= 0 || dest.Height() <= 0 || dest.Width() > kLimit || dest.Height() > kLimit ||
      dest.left < -kLimit || dest.top < -kLimit || dest.left > kLimit || dest.top > kLimit)
    return nullptr;
  auto* gdi = dynamic_cast<GdiDeviceContext*>(&dc);
  return gdi ? gdi->Handle() : nullptr;
}

}  // namespace win32
}  // namespace pg::platform
