// Windows metafiles, once their record framing is known to hold together. One
// that carries a sound enhanced metafile plays that instead, as Windows does.
#include "platform/metafile/embedded_emf.h"
#include "platform/metafile/play_metafile.h"
#include "platform/picture/picture_headers.h"
#include "platform/soft/picture/picture_decoders.h"
#include "platform/soft/picture/played_picture.h"

namespace pg::platform::soft {

std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> bytes) {
  const auto layout = ReadWmfLayout(bytes);
  if (!layout) return nullptr;
  if (auto emf = metafile::EmbeddedEmf(bytes.subspan(layout->metafileOffset)))
    return MakePlayedPicture(std::move(*emf), layout->extent, &metafile::PlayEmf);
  return MakePlayedPicture(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), layout->extent,
                           &metafile::PlayWmf);
}

}  // namespace pg::platform::soft
