// Enhanced metafiles, once their record framing is known to hold together.
#include "platform/metafile/play_metafile.h"
#include "platform/picture/picture_headers.h"
#include "platform/soft/picture/picture_decoders.h"
#include "platform/soft/picture/played_picture.h"

namespace pg::platform::soft {

std::unique_ptr<PictureImage> DecodeEmfFile(std::span<const std::uint8_t> bytes) {
  const auto extent = ReadEmfExtent(bytes);
  if (!extent) return nullptr;
  return MakePlayedPicture(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), *extent, &metafile::PlayEmf);
}

}  // namespace pg::platform::soft
