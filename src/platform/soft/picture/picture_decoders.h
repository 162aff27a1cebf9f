#pragma once
// Folder rule — soft/picture: the portable build's pictures (decoding, composing, playing
// metafiles onto bitmaps); may include soft/, the shared picture/ and metafile/ folders
// and the platform interface.
// The portable build's readers of each picture format (all null on bytes they
// cannot read).
#include <cstdint>
#include <memory>
#include <span>

#include "platform/picture_files.h"

namespace pg::platform::soft {

// Bitmaps and icons through the project's own readers.
std::unique_ptr<PictureImage> DecodeBitmapFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> bytes);
// Metafiles played by the platform's own player onto the raster.
std::unique_ptr<PictureImage> DecodeEmfFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> bytes);

}  // namespace pg::platform::soft
