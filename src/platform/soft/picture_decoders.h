#pragma once
// The portable build's readers of each picture format (all null on bytes they
// cannot read).
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/picture_files.h"

namespace pg::platform::soft {

// Bitmaps and icons through the project's own readers.
std::unique_ptr<PictureImage> DecodeBitmapFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> bytes);
// Metafiles become SVG (libemf2svg, libwmf) that librsvg draws at any size.
std::unique_ptr<PictureImage> DecodeEmfFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> MakeSvgPicture(std::string_view svg, PictureExtent extent);

}  // namespace pg::platform::soft
