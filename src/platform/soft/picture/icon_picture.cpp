#include "platform/soft/picture/icon_picture.h"

#include <algorithm>

#include "platform/soft/picture/picture_compose.h"

namespace pg::platform::soft {

namespace {

class IconPicture final : public ScaledPicture {
 public:
  explicit IconPicture(IconImage icon) : ScaledPicture(icon.width, icon.height), icon_(std::move(icon)) {}

 private:
  void Compose(DeviceContext& dc, const ScaledArea& s) const override {
    const int w = s.area.Width();
    const std::size_t iw = static_cast<std::size_t>(icon_.width);
    ComposeOnto(dc, s.area, [&](int y, const std::uint32_t* below, std::uint32_t* out) {
      const std::size_t base = static_cast<std::size_t>(s.rows[static_cast<std::size_t>(y)]) * iw;
      const std::uint32_t* colour = icon_.colour.data() + base;
      if (icon_.alpha) {
        for (int x = 0; x < w; ++x) {
          const std::uint32_t c = colour[s.cols[static_cast<std::size_t>(x)]], a = c >> 24, d = below[x];
          std::uint32_t px = 0;
          for (int shift = 0; shift <= 16; shift += 8) {
            const std::uint32_t v = ((c >> shift) & 0xFF) + (((d >> shift) & 0xFF) * (255 - a) + 127) / 255;
            px |= std::min<std::uint32_t>(v, 255) << shift;
          }
          out[x] = px;
        }
        return;
      }
      const std::uint32_t* mask = icon_.mask.data() + base;
      for (int x = 0; x < w; ++x) {
        const int c = s.cols[static_cast<std::size_t>(x)];
        out[x] = ((below[x] & mask[c]) ^ colour[c]) & 0xFFFFFFu;
      }
    });
  }

  IconImage icon_;
};

}  // namespace

std::unique_ptr<PictureImage> MakeIconPicture(IconImage icon) {
  if (icon.width <= 0 || icon.height <= 0) return nullptr;
  return std::make_unique<IconPicture>(std::move(icon));
}

}  // namespace pg::platform::soft
