#pragma once
// The picture file formats a picture object loads, chosen by the extension.
#include <memory>
#include <span>
#include <string_view>

#include "engine/picture/graphic.h"

namespace pg::engine {

struct TPictureFileFormat {
  std::string_view extension;  // without the dot
  std::string_view description;
  std::unique_ptr<TGraphic> (*create)();
};

// .bmp, .ico, .emf, .wmf, and the module's own .jpeg and .jpg.
std::span<const TPictureFileFormat> PictureFileFormats();

// The format of an extension (without the dot), ASCII case ignored; null for none.
const TPictureFileFormat* FindPictureFileFormat(std::string_view extension);

}  // namespace pg::engine
