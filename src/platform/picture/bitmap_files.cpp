#include "platform/bitmap.h"
#include "platform/image_files.h"

namespace pg::platform {

bool Bitmap::SaveBmp(const std::string& path) const {
  const auto bytes = EncodeBmp(Width(), Height(), BitsPerPixel(), [this](int x, int y) { return Pixel(x, y); });
  return WriteFileBytes(path, bytes);
}

bool Bitmap::SavePng(const std::string& path) const {
  const auto bytes = EncodePng(Width(), Height(), [this](int x, int y) { return Pixel(x, y); });
  return !bytes.empty() && WriteFileBytes(path, bytes);
}

}  // namespace pg::platform
