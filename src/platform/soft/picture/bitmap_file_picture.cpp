#include "platform/soft/picture/bitmap_file_picture.h"

#include <vector>

#include "platform/picture/bmp_reader.h"
#include "platform/picture/picture_raster.h"
#include "platform/soft/picture/picture_compose.h"

namespace pg::platform::soft {

namespace {

class BitmapFilePicture final : public ScaledPicture {
 public:
  BitmapFilePicture(std::vector<std::uint8_t> bytes, const BitmapLayout& layout)
      : ScaledPicture(layout.width, layout.height), bytes_(std::move(bytes)), layout_(layout), reader_(bytes_, layout_) {}

 private:
  void Compose(DeviceContext& dc, const ScaledArea& s) const override {
    const std::size_t w = s.cols.size();
    ComposeOnto(dc, s.area, [&](int y, const std::uint32_t*, std::uint32_t* out) {
      const int sy = s.rows[static_cast<std::size_t>(y)];
      for (std::size_t x = 0; x < w; ++x) out[x] = reader_.At(s.cols[x], sy);
    });
  }

  std::vector<std::uint8_t> bytes_;
  BitmapLayout layout_;
  BitmapPixelReader reader_;  // views bytes_, which never moves
};

// Run-length rows can only be found by playing the codes: each row shown is
// played on its own, into white where the data paints nothing (as on a new
// bitmap GDI draws the file into).
class RunLengthFilePicture final : public ScaledPicture {
 public:
  RunLengthFilePicture(std::span<const std::uint8_t> bytes, const BitmapLayout& layout)
      : ScaledPicture(layout.width, layout.height), rows_(bytes, layout), width_(layout.width) {}

 private:
  void Compose(DeviceContext& dc, const ScaledArea& s) const override {
    const std::size_t w = s.cols.size();
    std::vector<std::uint32_t> source(static_cast<std::size_t>(width_));
    int played = -1;
    ComposeOnto(dc, s.area, [&](int y, const std::uint32_t*, std::uint32_t* out) {
      const int sy = s.rows[static_cast<std::size_t>(y)];
      if (sy != played) rows_.Row(played = sy, 0xFFFFFF, source);
      for (std::size_t x = 0; x < w; ++x) out[x] = source[static_cast<std::size_t>(s.cols[x])];
    });
  }

  RunLengthRows rows_;
  int width_;
};

}  // namespace

std::unique_ptr<PictureImage> MakeBitmapFilePicture(std::span<const std::uint8_t> bytes) {
  const auto layout = ReadBitmapLayout(bytes);
  if (!layout) return nullptr;
  if (layout->compression == 1 || layout->compression == 2) {
    if (!Bitmap::SizeAllowed(layout->width, layout->height)) return nullptr;  // as a bitmap of its own would be
    return std::make_unique<RunLengthFilePicture>(bytes, *layout);
  }
  return std::make_unique<BitmapFilePicture>(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), *layout);
}

}  // namespace pg::platform::soft
