#include "platform/soft/picture/played_picture.h"

#include <algorithm>
#include <optional>

#include "platform/bitmap.h"
#include "platform/picture/picture_coverage.h"
#include "platform/picture_pixels.h"
#include "platform/metafile/play_metafile.h"
#include "platform/soft/picture/picture_blend.h"

namespace pg::platform::soft {

namespace {

class PlayedPicture final : public PictureImage {
 public:
  PlayedPicture(std::vector<std::uint8_t> bytes, PictureExtent extent, MetafilePlayer play)
      : bytes_(std::move(bytes)), extent_(extent), play_(play) {}
  PictureExtent Extent() const override { return extent_; }

  bool PlayRecords(DeviceContext& dc, const TRect& dest, TSize page) const override {
    return play_(bytes_, dc, dest, metafile::kDefaultWorkBudget, page);
  }

  void Draw(DeviceContext& dc, const TRect& dest) const override {
    const TRect area = VisiblePart(dc, dest);
    if (area.Width() <= 0) return;
    const Playing* p = Play(dest, area);
    if (!p) return;
    if (p->mask) {
      // Every pixel painted or untouched: the untouched ones masked out of the
      // picture and the rest cleared beneath it, two whole-area copies.
      dc.BitBlt(area.left, area.top, area.Width(), area.Height(), *p->mask, 0, 0, BlitRop::kSrcAnd);
      dc.BitBlt(area.left, area.top, area.Width(), area.Height(), *p->colour, 0, 0, BlitRop::kSrcPaint);
      return;
    }
    BlendOnto(dc, area, [&](int x, int y) { return p->Pixel(x, y); });
  }

  // One copy played, its pixels repeated over what shows. A copy larger than
  // what shows is cheaper drawn where it shows.
  void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const override {
    if (tileWidth <= 0 || tileHeight <= 0) return;
    const TRect visible = VisiblePart(dc, TiledExtent(area, tileWidth, tileHeight));
    if (visible.Width() <= 0) return;
    if (static_cast<long long>(tileWidth) * tileHeight > static_cast<long long>(visible.Width()) * visible.Height()) {
      ForEachTile(area, tileWidth, tileHeight, visible, [&](const TRect& tile) { Draw(dc, tile); });
      return;
    }
    const TRect tile{0, 0, tileWidth, tileHeight};
    const Playing* p = Play(tile, tile);
    if (!p) return;
    const auto ox = static_cast<int>((static_cast<long long>(visible.left) - area.left) % tileWidth),
               oy = static_cast<int>((static_cast<long long>(visible.top) - area.top) % tileHeight);
    BlendOnto(dc, visible, [&](int x, int y) { return p->Pixel((ox + x) % tileWidth, (oy + y) % tileHeight); });
  }

 private:
  // The part `area` of the picture stretched onto dest, as premultiplied
  // 0xAARRGGBB pixels; keyed by where the part lies within dest.
  struct Playing {
    int destWidth = 0, destHeight = 0;
    TRect part;  // relative to dest's top left
    std::vector<std::uint32_t> argb;
    // When no pixel is partly covered: white where the picture leaves the
    // destination alone, black elsewhere, and the picture's colours on black.
    std::shared_ptr<Bitmap> mask, colour;
    std::uint32_t Pixel(int x, int y) const {
      return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(part.Width()) + static_cast<std::size_t>(x)];
    }
  };

  const Playing* Play(const TRect& dest, const TRect& area) const {
    const TRect part{area.left - dest.left, area.top - dest.top, area.right - dest.left, area.bottom - dest.top};
    if (cache_ && cache_->destWidth == dest.Width() && cache_->destHeight == dest.Height() && cache_->part == part)
      return &*cache_;
    cache_.reset();
    try {
      const int w = part.Width(), h = part.Height();
      Bitmap onBlack(w, h), onWhite(w, h);
      if (onBlack.Empty() || onWhite.Empty()) return nullptr;
      onBlack.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0, nullptr});
      onBlack.Dc().FillRect(TRect{0, 0, w, h});
      onBlack.Dc().SetBrush(Brush{});
      const TRect at{-part.left, -part.top, dest.Width() - part.left, dest.Height() - part.top};
      play_(bytes_, onBlack.Dc(), at, kBudget, TSize{w, h});
      play_(bytes_, onWhite.Dc(), at, kBudget, TSize{w, h});
      Playing p{dest.Width(), dest.Height(), part, {}, nullptr, nullptr};
      p.argb.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.argb.push_back(CoverageOfPlays(onBlack.Pixel(x, y), onWhite.Pixel(x, y)));
      if (std::all_of(p.argb.begin(), p.argb.end(), [](std::uint32_t v) { return v >> 24 == 0 || v >> 24 == 255; })) {
        p.mask = std::make_shared<Bitmap>(w, h);
        p.colour = std::make_shared<Bitmap>(w, h);
        std::vector<std::uint32_t> maskRow(static_cast<std::size_t>(w)), colourRow(static_cast<std::size_t>(w));
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) {
            const std::uint32_t v = p.Pixel(x, y);
            maskRow[static_cast<std::size_t>(x)] = v >> 24 ? 0 : 0xFFFFFF;
            colourRow[static_cast<std::size_t>(x)] = v & 0xFFFFFF;
          }
          WriteBitmapRow(*p.mask, y, maskRow);
          WriteBitmapRow(*p.colour, y, colourRow);
        }
      }
      cache_ = std::move(p);
      return &*cache_;
    } catch (...) {
      // Out of memory for a huge destination: nothing drawn, the host lives on.
      return nullptr;
    }
  }

  static constexpr long long kBudget = metafile::kDefaultWorkBudget;
  std::vector<std::uint8_t> bytes_;
  PictureExtent extent_;
  MetafilePlayer play_;
  mutable std::optional<Playing> cache_;
};

}  // namespace

std::unique_ptr<PictureImage> MakePlayedPicture(std::vector<std::uint8_t> bytes, PictureExtent extent,
                                                MetafilePlayer play) {
  return std::make_unique<PlayedPicture>(std::move(bytes), extent, play);
}

}  // namespace pg::platform::soft
