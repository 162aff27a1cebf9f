// Metafiles: GDI holds both kinds as an enhanced metafile and plays it into the
// destination, scaled to it.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture_headers.h"
#include "platform/win32/gdi_device_context.h"
#include "platform/win32/picture_decoders.h"

namespace pg::platform::win32 {

namespace {

class MetafilePicture final : public PictureImage {
 public:
  MetafilePicture(HENHMETAFILE metafile, PictureExtent extent) : metafile_(metafile), extent_(extent) {}
  ~MetafilePicture() override { ::DeleteEnhMetaFile(metafile_); }
  PictureExtent Extent() const override { return extent_; }
  void Draw(DeviceContext& dc, const TRect& dest) const override {
    HDC hdc = DrawingHandle(dc, dest);
    if (!hdc) return;
    const RECT r{dest.left, dest.top, dest.right, dest.bottom};
    ::PlayEnhMetaFile(hdc, metafile_, &r);
  }

  // GDI plays a metafile record by record, which over thousands of small tiles
  // takes seconds. One copy is played on black and on white, which tells what
  // it covers, and its pixels repeated over what shows are blended in one call.
  void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const override {
    auto* gdi = dynamic_cast<GdiDeviceContext*>(&dc);
    if (!gdi || tileWidth <= 0 || tileHeight <= 0) return;
    HDC hdc = gdi->Handle();
    RECT box{};
    const int region = ::GetClipBox(hdc, &box);
    if (region == ERROR || region == NULLREGION) return;
    const TRect covered = TiledExtent(area, tileWidth, tileHeight);
    const TRect visible{std::max<int>(covered.left, box.left), std::max<int>(covered.top, box.top),
                        std::min<int>(covered.right, box.right), std::min<int>(covered.bottom, box.bottom)};
    if (visible.Width() <= 0 || visible.Height() <= 0) return;
    const long long shown = static_cast<long long>(visible.Width()) * visible.Height();
    if (static_cast<long long>(tileWidth) * tileHeight > shown) {
      ForEachTile(area, tileWidth, tileHeight, visible, [&](const TRect& tile) { Draw(dc, tile); });
      return;
    }
    const auto tile = PlayOnce(tileWidth, tileHeight);
    if (tile.empty()) return;
    BlendRepeated(hdc, visible, [&](int x, int y) {
      const long long tx = (static_cast<long long>(x) - area.left) % tileWidth,
                      ty = (static_cast<long long>(y) - area.top) % tileHeight;
      return tile[static_cast<std::size_t>(ty * tileWidth + tx)];
    });
  }

 private:
  // The picture at width x height as premultiplied 0xAARRGGBB, row by row;
  // empty when no bitmap of that size can be made.
  std::vector<std::uint32_t> PlayOnce(int width, int height) const {
    Bitmap onBlack(width, height), onWhite(width, height);
    if (onBlack.Empty() || onWhite.Empty()) return {};
    HDC black = static_cast<GdiDeviceContext&>(onBlack.Dc()).Handle(),
        white = static_cast<GdiDeviceContext&>(onWhite.Dc()).Handle();
    ::PatBlt(black, 0, 0, width, height, BLACKNESS);
    const RECT r{0, 0, width, height};
    ::PlayEnhMetaFile(black, metafile_, &r);
    ::PlayEnhMetaFile(white, metafile_, &r);
    std::vector<std::uint32_t> argb;
    argb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::uint32_t b = onBlack.Pixel(x, y), w = onWhite.Pixel(x, y);
        // What shows through on white is what the picture leaves uncovered.
        std::uint32_t a = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
          const int through = static_cast<int>((w >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
          a = std::max<std::uint32_t>(a, static_cast<std::uint32_t>(255 - std::clamp(through, 0, 255)));
        }
        std::uint32_t c = 0;
        for (int shift = 0; shift <= 16; shift += 8) c |= std::min((b >> shift) & 0xFF, a) << shift;
        argb.push_back(a << 24 | c);
      }
    return argb;
  }

  // Premultiplied pixels, source(x, y) at each point of area, over what hdc shows.
  template <typename Source>
  static void BlendRepeated(HDC hdc, const TRect& area, const Source& source) {
    const int w = area.Width(), h = area.Height();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP layer = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!layer) return;
    HDC memory = ::CreateCompatibleDC(hdc);
    if (memory) {
      auto* pixels = static_cast<std::uint32_t*>(bits);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] =
              source(area.left + x, area.top + y);
      const HGDIOBJ old = ::SelectObject(memory, layer);
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      ::GdiAlphaBlend(hdc, area.left, area.top, w, h, memory, 0, 0, w, h, blend);
      ::SelectObject(memory, old);
      ::DeleteDC(memory);
    }
    ::DeleteObject(layer);
  }

  HENHMETAFILE metafile_;
  PictureExtent extent_;
};

// Hundredths of a millimetre of n units of which perInch make an inch.
LONG HundredthsMm(int n, int perInch) {
  return static_cast<LONG>(static_cast<long long>(n) * 2540 / (perInch > 0 ? perInch : 96));
}

}  // namespace

std::unique_ptr<PictureImage> DecodeEmfFile(std::span<const std::uint8_t> b) {
  const auto extent = ReadEmfExtent(b);
  if (!extent) return nullptr;
  HENHMETAFILE metafile = ::SetEnhMetaFileBits(static_cast<UINT>(b.size()), b.data());
  if (!metafile) return nullptr;
  return std::make_unique<MetafilePicture>(metafile, *extent);
}

std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> b) {
  const auto layout = ReadWmfLayout(b);
  if (!layout) return nullptr;
  const auto standard = b.subspan(layout->metafileOffset);
  const PictureExtent e = layout->extent;
  const METAFILEPICT picture{MM_ANISOTROPIC, HundredthsMm(e.width, e.unitsPerInch),
                             HundredthsMm(e.height, e.unitsPerInch), nullptr};
  HENHMETAFILE metafile = ::SetWinMetaFileBits(static_cast<UINT>(standard.size()), standard.data(), nullptr, &picture);
  if (!metafile) return nullptr;
  return std::make_unique<MetafilePicture>(metafile, e);
}

}  // namespace pg::platform::win32
