// Icon files: the first image of the directory becomes a GDI icon drawn with
// its mask, at the size the directory gives.
#include <algorithm>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture/picture_headers.h"
#include "platform/picture_pixels.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32/gdi_device_context.h"
#include "platform/win32/picture/picture_decoders.h"

namespace pg::platform::win32 {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// The bits per pixel of what a memory DC draws into.
int TargetDepth(HDC hdc) {
  BITMAP bm{};
  HGDIOBJ target = ::GetCurrentObject(hdc, OBJ_BITMAP);
  return target && ::GetObject(target, sizeof bm, &bm) ? bm.bmBitsPixel : 0;
}

class IconPicture final : public PictureImage {
 public:
  IconPicture(HICON icon, int width, int height) : icon_(icon), width_(width), height_(height) {}
  ~IconPicture() override { ::DestroyIcon(icon_); }
  PictureExtent Extent() const override { return PictureExtent{width_, height_, 0}; }
  void Draw(DeviceContext& dc, const TRect& dest) const override {
    if (HDC hdc = DrawingHandle(dc, dest))
      ::DrawIconEx(hdc, dest.left, dest.top, icon_, dest.Width(), dest.Height(), 0, nullptr, DI_NORMAL);
  }

  // One icon call per copy costs seconds for a small icon over a large chart.
  // One copy is drawn over black and over white, which gives its mask and
  // colour (or, with partial alpha, its premultiplied colour and alpha); the
  // copies over what shows are then two block transfers or one blend, the
  // same pixels DrawIconEx gives copy by copy.
  void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const override {
    auto* gdi = dynamic_cast<GdiDeviceContext*>(&dc);
    RECT clip{};
    if (!gdi || tileWidth <= 0 || tileHeight <= 0 || ::GetClipBox(gdi->Handle(), &clip) == ERROR) return;
    HDC hdc = gdi->Handle();
    const TRect extent = TiledExtent(area, tileWidth, tileHeight);
    const int left = std::max(extent.left, static_cast<int>(clip.left)),
              top = std::max(extent.top, static_cast<int>(clip.top));
    const int right = std::min(extent.right, static_cast<int>(clip.right)),
              bottom = std::min(extent.bottom, static_cast<int>(clip.bottom));
    if (left >= right || top >= bottom) return;
    // The first copy that reaches into what shows.
    const int x0 = area.left + (left - area.left) / tileWidth * tileWidth,
              y0 = area.top + (top - area.top) / tileHeight * tileHeight;
    const int w = right - x0, h = bottom - y0;
    if (TargetDepth(hdc) < 24 || !Bitmap::SizeAllowed(w, h) || !Bitmap::SizeAllowed(tileWidth, tileHeight)) {
      PictureImage::DrawTiled(dc, area, tileWidth, tileHeight);
      return;
    }
    Bitmap overBlack(tileWidth, tileHeight), overWhite(tileWidth, tileHeight);
    overBlack.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0, nullptr});
    overBlack.Dc().FillRect(TRect{0, 0, tileWidth, tileHeight});
    ::DrawIconEx(overBlack.impl().dc, 0, 0, icon_, tileWidth, tileHeight, 0, nullptr, DI_NORMAL);
    ::DrawIconEx(overWhite.impl().dc, 0, 0, icon_, tileWidth, tileHeight, 0, nullptr, DI_NORMAL);
    std::vector<std::uint32_t> colour, mask;
    bool masked = true;
    for (int y = 0; y < tileHeight; ++y) {
      const auto b = BitmapRowPixels(overBlack, y), wh = BitmapRowPixels(overWhite, y);
      for (int x = 0; x < tileWidth; ++x) {
        const std::uint32_t c = b[static_cast<std::size_t>(x)] & kWhite, m = (wh[static_cast<std::size_t>(x)] & kWhite) ^ c;
        masked = masked && (m == 0 || m == kWhite);
        colour.push_back(c);
        mask.push_back(m);
      }
    }
    // Over white a blended pixel gains 255 - alpha in every channel.
    if (!masked)
      for (std::size_t i = 0; i < colour.size(); ++i) {
        const std::uint32_t overWhiteGreen = ((mask[i] ^ colour[i]) >> 8) & 0xFF, green = (colour[i] >> 8) & 0xFF;
        colour[i] |= (255 - overWhiteGreen + green) << 24;
      }
    // Scratch bitmaps for GDI alone: the blend reads the alpha in their top byte.
    const auto tiled = [&](const std::vector<std::uint32_t>& tile) {
      auto big = std::make_unique<Bitmap>(w, h);
      for (int y = 0; y < h && !big->Empty(); ++y) {
        const auto row = BitmapRowPixels(*big, y);
        const std::uint32_t* from = tile.data() + static_cast<std::size_t>(y % tileHeight) * tileWidth;
        for (int x = 0; x < w; ++x) row[static_cast<std::size_t>(x)] = from[x % tileWidth];
      }
      return big;
    };
    if (masked) {
      const auto m = tiled(mask), c = tiled(colour);
      ::BitBlt(hdc, x0, y0, w, h, m->impl().dc, 0, 0, SRCAND);
      ::BitBlt(hdc, x0, y0, w, h, c->impl().dc, 0, 0, SRCINVERT);
    } else {
      const auto c = tiled(colour);
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      ::GdiAlphaBlend(hdc, x0, y0, w, h, c->impl().dc, 0, 0, w, h, blend);
    }
  }

 private:
  HICON icon_;
  int width_, height_;
};

}  // namespace

std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> b) {
  const auto l = ReadIconLayout(b);
  if (!l) return nullptr;
  // GDI reads the image in place but wants it writable. The icon is made at
  // the directory's size, whatever its bitmap's, as Windows makes it.
  std::vector<BYTE> image(b.begin() + static_cast<std::ptrdiff_t>(l->imageOffset),
                          b.begin() + static_cast<std::ptrdiff_t>(l->imageOffset + l->imageSize));
  HICON icon = ::CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                          l->width, l->height, LR_DEFAULTCOLOR);
  if (!icon) return nullptr;
  return std::make_unique<IconPicture>(icon, l->width, l->height);
}

}  // namespace pg::platform::win32
