#include "platform/picture_files.h"
#include "platform/soft/picture/picture_decoders.h"

namespace pg::platform {

std::unique_ptr<PictureImage> DecodePicture(PictureFormat format, std::span<const std::uint8_t> bytes) {
  switch (format) {
    case PictureFormat::kBitmap: return soft::DecodeBitmapFile(bytes);
    case PictureFormat::kIcon: return soft::DecodeIconFile(bytes);
    case PictureFormat::kEnhancedMetafile: return soft::DecodeEmfFile(bytes);
    case PictureFormat::kWindowsMetafile: return soft::DecodeWmfFile(bytes);
  }
  return nullptr;
}

}  // namespace pg::platform
