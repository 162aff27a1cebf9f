#include "platform/picture/picture_raster.h"

namespace pg::platform {

namespace {

class BitmapPicture final : public PictureImage {
 public:
  explicit BitmapPicture(std::unique_ptr<Bitmap> bitmap) : bitmap_(std::move(bitmap)) {}
  PictureExtent Extent() const override { return PictureExtent{bitmap_->Width(), bitmap_->Height(), 0}; }
  void Draw(DeviceContext& dc, const TRect& dest) const override {
    if (dest.Width() <= 0 || dest.Height() <= 0) return;
    dc.StretchBlt(dest, *bitmap_, TRect{0, 0, bitmap_->Width(), bitmap_->Height()});
  }

 private:
  std::unique_ptr<Bitmap> bitmap_;
};

}  // namespace

std::unique_ptr<PictureImage> MakeBitmapPicture(std::unique_ptr<Bitmap> bitmap) {
  if (!bitmap || bitmap->Empty()) return nullptr;
  return std::make_unique<BitmapPicture>(std::move(bitmap));
}

}  // namespace pg::platform
