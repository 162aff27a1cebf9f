#include "engine/picture/picture_formats.h"

#include <array>

#include "engine/picture/jpeg_image.h"
#include "engine/picture/platform_graphic.h"
#include "framework/text/ascii_text.h"

namespace pg::engine {

namespace {

template <TPlatformGraphic::Kind kind>
std::unique_ptr<TGraphic> NewPlatformGraphic() {
  return std::make_unique<TPlatformGraphic>(kind);
}
std::unique_ptr<TGraphic> NewJpeg() { return std::make_unique<TJPEGImage>(); }

using K = TPlatformGraphic::Kind;
constexpr std::array<TPictureFileFormat, 6> kFormats = {{
    {"bmp", "Bitmaps", &NewPlatformGraphic<K::kBitmap>},
    {"ico", "Icons", &NewPlatformGraphic<K::kIcon>},
    {"emf", "Enhanced Metafiles", &NewPlatformGraphic<K::kMetafile>},
    {"wmf", "Metafiles", &NewPlatformGraphic<K::kMetafile>},
    {"jpeg", "JPEG Image File", &NewJpeg},
    {"jpg", "JPEG Image File", &NewJpeg},
}};

}  // namespace

std::span<const TPictureFileFormat> PictureFileFormats() { return kFormats; }

const TPictureFileFormat* FindPictureFileFormat(std::string_view extension) {
  for (const auto& f : kFormats)
    if (text::SameTextAsciiCase(f.extension, extension)) return &f;
  return nullptr;
}

}  // namespace pg::engine
