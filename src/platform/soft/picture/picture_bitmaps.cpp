// Bitmap and icon files on the portable build, read by the project's own
// readers as Windows reads them.
#include "platform/picture/icon_reader.h"
#include "platform/soft/picture/bitmap_file_picture.h"
#include "platform/soft/picture/icon_picture.h"
#include "platform/soft/picture/picture_decoders.h"

namespace pg::platform::soft {

std::unique_ptr<PictureImage> DecodeBitmapFile(std::span<const std::uint8_t> bytes) {
  return MakeBitmapFilePicture(bytes);
}

std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> bytes) {
  auto icon = ReadIconFile(bytes);
  return icon ? MakeIconPicture(std::move(*icon)) : nullptr;
}

}  // namespace pg::platform::soft
