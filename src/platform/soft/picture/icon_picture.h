#pragma once
// An icon on the portable build, drawn as DrawIconEx draws it: the mask ANDed
// and the colour XORed onto what is below, or the colour blended by its alpha,
// each destination pixel taking the source pixel GDI's stretch picks.
#include <memory>

#include "platform/picture/icon_reader.h"
#include "platform/picture_files.h"

namespace pg::platform::soft {

std::unique_ptr<PictureImage> MakeIconPicture(IconImage icon);

}  // namespace pg::platform::soft
