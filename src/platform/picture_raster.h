#pragma once
// The picture both backends make of a decoded bitmap file: one opaque bitmap,
// stretched by the context's own bitmap copy.
#include <memory>

#include "platform/bitmap.h"
#include "platform/picture_files.h"

namespace pg::platform {

// Null for a null or empty bitmap.
std::unique_ptr<PictureImage> MakeBitmapPicture(std::unique_ptr<Bitmap> bitmap);

}  // namespace pg::platform
