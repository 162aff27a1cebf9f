#pragma once
// A picture of a decoded bitmap file (the Windows build's, and run-length files
// on the portable build): one opaque bitmap, stretched by the context's own
// bitmap copy.
#include <memory>

#include "platform/bitmap.h"
#include "platform/picture_files.h"

namespace pg::platform {

// Null for a null or empty bitmap.
std::unique_ptr<PictureImage> MakeBitmapPicture(std::unique_ptr<Bitmap> bitmap);

}  // namespace pg::platform
