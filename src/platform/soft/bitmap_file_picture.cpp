#include "platform/soft/bitmap_file_picture.h"

#include <vector>

#include "platform/bmp_reader.h"
#include "platform/picture_raster.h"
#include "platform/soft/picture_compose.h"

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

}  // namespace

std::unique_ptr<PictureImage> MakeBitmapFilePicture(std::span<const std::uint8_t> bytes) {
  const auto layout = ReadBitmapLayout(bytes);
  if (!layout) return nullptr;
  // Run-length rows can only be found by playing the data from its start.
  if (layout->compression == 1 || layout->compression == 2) return MakeBitmapPicture(ReadBitmapFile(bytes));
  return std::make_unique<BitmapFilePicture>(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), *layout);
}

}  // namespace pg::platform::soft
