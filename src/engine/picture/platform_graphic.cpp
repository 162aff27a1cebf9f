#include "engine/picture/platform_graphic.h"

#include <algorithm>

#include "engine/picture/picture_errors.h"
#include "framework/arith.h"
#include "platform/screen_metrics.h"

namespace pg::engine {

namespace {

// Physical units become screen pixels; a size too large for that is no size.
int ScreenPixels(int units, int unitsPerInch) {
  if (unitsPerInch == 0) return units;
  return std::max(0, MulDiv(units, platform::ScreenPixelsPerInch(), unitsPerInch));
}

}  // namespace

int TPlatformGraphic::Width() const {
  if (!image_) return 0;
  const auto e = image_->Extent();
  return ScreenPixels(e.width, e.unitsPerInch);
}

int TPlatformGraphic::Height() const {
  if (!image_) return 0;
  const auto e = image_->Extent();
  return ScreenPixels(e.height, e.unitsPerInch);
}

void TPlatformGraphic::LoadFromBytes(std::vector<std::uint8_t> bytes) {
  using F = platform::PictureFormat;
  std::unique_ptr<platform::PictureImage> image;
  switch (kind_) {
    case Kind::kBitmap:
      image = platform::DecodePicture(F::kBitmap, bytes);
      if (!image) throw PictureError("Invalid bitmap file");
      break;
    case Kind::kIcon:
      image = platform::DecodePicture(F::kIcon, bytes);
      if (!image) throw PictureError("Invalid icon file");
      break;
    case Kind::kMetafile:
      image = platform::DecodePicture(F::kEnhancedMetafile, bytes);
      if (!image) image = platform::DecodePicture(F::kWindowsMetafile, bytes);
      if (!image) throw PictureError("Invalid metafile");
      break;
  }
  image_ = std::move(image);
  Changed();
}

void TPlatformGraphic::Draw(platform::DeviceContext& dc, const TRect& dest) {
  if (image_) platform::DrawPicture(*image_, dc, dest);
}

void TPlatformGraphic::DrawTiled(platform::DeviceContext& dc, const TRect& area) {
  if (image_) platform::DrawPictureTiled(*image_, dc, area, Width(), Height());
}

}  // namespace pg::engine
