// Metafiles: GDI plays an enhanced metafile scaled to the destination, and a
// Windows metafile either straight onto it, its window mapped to the
// destination, or, when it sets up a mapping of its own, converted to an
// enhanced one. Only files that pass the record check reach GDI
// (ReadEmfExtent, ReadWmfLayout), and a playing is kept for repaints.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "platform/bitmap.h"
#include "platform/metafile/embedded_emf.h"
#include "platform/metafile/play_metafile.h"
#include "platform/metafile/wmf_window_mapping.h"
#include "platform/picture/picture_coverage.h"
#include "platform/picture/picture_headers.h"
#include "platform/win32/gdi_device_context.h"
#include "platform/win32/picture/picture_decoders.h"

namespace pg::platform::win32 {

namespace {

class MetafilePicture final : public PictureImage {
 public:
  MetafilePicture(HENHMETAFILE metafile, PictureExtent extent, std::span<const std::uint8_t> file, bool enhanced)
      : metafile_(metafile), extent_(extent), file_(file.begin(), file.end()), enhanced_(enhanced) {}
  // A Windows metafile played straight onto the destination, `window` (its
  // logical window until it sets one) mapped to it.
  MetafilePicture(HMETAFILE windowed, const TRect& window, PictureExtent extent, std::span<const std::uint8_t> file)
      : windowed_(windowed), window_(window), extent_(extent), file_(file.begin(), file.end()), enhanced_(false) {}
  ~MetafilePicture() override {
    if (metafile_) ::DeleteEnhMetaFile(metafile_);
    if (windowed_) ::DeleteMetaFile(windowed_);
  }
  PictureExtent Extent() const override { return extent_; }

  // A recording gets the file's records through the portable player, which
  // draws through any device context; GDI plays only onto its own.
  bool PlayRecords(DeviceContext& dc, const TRect& dest, TSize page) const override {
    return enhanced_ ? metafile::PlayEmf(file_, dc, dest, metafile::kDefaultWorkBudget, page)
                     : metafile::PlayWmf(file_, dc, dest, metafile::kDefaultWorkBudget, page);
  }

  // Played once for a size and the part of it that shows; a repaint of the
  // same blends the kept pixels.
  void Draw(DeviceContext& dc, const TRect& dest) const override {
    HDC hdc = DrawingHandle(dc, dest);
    if (!hdc) return;
    const TRect visible = VisiblePart(hdc, dest);
    if (visible.Width() <= 0 || visible.Height() <= 0) return;
    const Playing* p = Play(dest, visible);
    if (!p) return;
    if (!p->layer) {
      BlendRepeated(hdc, visible, [&](int x, int y) { return p->Pixel(x - visible.left, y - visible.top); });
      return;
    }
    HDC memory = ::CreateCompatibleDC(hdc);
    if (!memory) return;
    const HGDIOBJ old = ::SelectObject(memory, p->layer.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(hdc, visible.left, visible.top, visible.Width(), visible.Height(), memory, 0, 0,
                    visible.Width(), visible.Height(), blend);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
  }

  // GDI plays a metafile record by record, which over thousands of small tiles
  // takes seconds: one copy is played, and its pixels repeated over what shows
  // are blended in one call.
  void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const override {
    auto* gdi = dynamic_cast<GdiDeviceContext*>(&dc);
    if (!gdi || tileWidth <= 0 || tileHeight <= 0) return;
    HDC hdc = gdi->Handle();
    const TRect visible = VisiblePart(hdc, TiledExtent(area, tileWidth, tileHeight));
    if (visible.Width() <= 0 || visible.Height() <= 0) return;
    const long long shown = static_cast<long long>(visible.Width()) * visible.Height();
    if (static_cast<long long>(tileWidth) * tileHeight > shown) {
      ForEachTile(area, tileWidth, tileHeight, visible, [&](const TRect& tile) { Draw(dc, tile); });
      return;
    }
    const TRect tile{0, 0, tileWidth, tileHeight};
    const Playing* p = Play(tile, tile);
    if (!p) return;
    BlendRepeated(hdc, visible, [&](int x, int y) {
      const long long tx = (static_cast<long long>(x) - area.left) % tileWidth,
                      ty = (static_cast<long long>(y) - area.top) % tileHeight;
      return p->Pixel(static_cast<int>(tx), static_cast<int>(ty));
    });
  }

 private:
  // The part of the picture stretched onto a destination of destWidth x
  // destHeight that lies at `part` (relative to the destination's top left),
  // as premultiplied 0xAARRGGBB pixels row by row.
  struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { ::DeleteObject(bitmap); }
  };
  struct Playing {
    int destWidth = 0, destHeight = 0;
    TRect part;
    std::vector<std::uint32_t> argb;
    // The same pixels as a bitmap GDI blends in one call; null when none could be made.
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> layer;
    std::uint32_t Pixel(int x, int y) const {
      return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(part.Width()) + static_cast<std::size_t>(x)];
    }
  };

  static TRect VisiblePart(HDC hdc, const TRect& r) {
    RECT box{};
    const int region = ::GetClipBox(hdc, &box);
    if (region == ERROR || region == NULLREGION) return TRect{};
    return TRect{std::max<int>(r.left, box.left), std::max<int>(r.top, box.top), std::min<int>(r.right, box.right),
                 std::min<int>(r.bottom, box.bottom)};
  }

  // The kept playing when it is of this size and part; else the picture played
  // again, on black and on white, which tells what it covers. Null when no
  // bitmap of that size can be made.
  const Playing* Play(const TRect& dest, const TRect& area) const {
    const TRect part{area.left - dest.left, area.top - dest.top, area.right - dest.left, area.bottom - dest.top};
    if (cache_ && cache_->destWidth == dest.Width() && cache_->destHeight == dest.Height() && cache_->part == part)
      return &*cache_;
    cache_.reset();
    const int width = part.Width(), height = part.Height();
    Bitmap onBlack(width, height), onWhite(width, height);
    if (onBlack.Empty() || onWhite.Empty()) return nullptr;
    HDC black = static_cast<GdiDeviceContext&>(onBlack.Dc()).Handle(),
        white = static_cast<GdiDeviceContext&>(onWhite.Dc()).Handle();
    ::PatBlt(black, 0, 0, width, height, BLACKNESS);
    const RECT at{-part.left, -part.top, dest.Width() - part.left, dest.Height() - part.top};
    PlayOnto(black, at);
    PlayOnto(white, at);
    Playing p{dest.Width(), dest.Height(), part, {}, nullptr};
    p.argb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) p.argb.push_back(CoverageOfPlays(onBlack.Pixel(x, y), onWhite.Pixel(x, y)));
    p.layer = MakeLayer(p.argb, width, height);
    cache_ = std::move(p);
    return &*cache_;
  }

  // A 32-bit top-down DIB section of width x height; its pixels in bits.
  static HBITMAP NewLayer(int width, int height, void*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bits = nullptr;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  }

  static std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> MakeLayer(
      const std::vector<std::uint32_t>& argb, int width, int height) {
    void* bits = nullptr;
    HBITMAP layer = NewLayer(width, height, bits);
    if (!layer) return nullptr;
    std::copy(argb.begin(), argb.end(), static_cast<std::uint32_t*>(bits));
    return std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>(layer);
  }

  // Premultiplied pixels, source(x, y) at each point of area, over what hdc shows.
  template <typename Source>
  static void BlendRepeated(HDC hdc, const TRect& area, const Source& source) {
    const int w = area.Width(), h = area.Height();
    void* bits = nullptr;
    HBITMAP layer = NewLayer(w, h, bits);
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

  void PlayOnto(HDC hdc, const RECT& at) const {
    if (!windowed_) {
      ::PlayEnhMetaFile(hdc, metafile_, &at);
      return;
    }
    const int saved = ::SaveDC(hdc);
    ::SetMapMode(hdc, MM_ANISOTROPIC);
    ::SetWindowOrgEx(hdc, window_.left, window_.top, nullptr);
    ::SetWindowExtEx(hdc, window_.Width(), window_.Height(), nullptr);
    ::SetViewportOrgEx(hdc, at.left, at.top, nullptr);
    ::SetViewportExtEx(hdc, at.right - at.left, at.bottom - at.top, nullptr);
    ::PlayMetaFile(hdc, windowed_);
    ::RestoreDC(hdc, saved);
  }

  HENHMETAFILE metafile_ = nullptr;
  HMETAFILE windowed_ = nullptr;
  TRect window_;
  PictureExtent extent_;
  std::vector<std::uint8_t> file_;
  bool enhanced_;
  mutable std::optional<Playing> cache_;
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
  return std::make_unique<MetafilePicture>(metafile, *extent, b, true);
}

std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> b) {
  const auto layout = ReadWmfLayout(b);
  if (!layout) return nullptr;
  const auto standard = b.subspan(layout->metafileOffset);
  const PictureExtent e = layout->extent;
  // The enhanced metafile it carries, taken by the shared rule rather than
  // SetWinMetaFileBits' own (Wine's takes only GDI's checksum, and plays
  // LibreOffice's files from their records), so both builds draw alike.
  if (const auto emf = metafile::EmbeddedEmf(standard)) {
    HENHMETAFILE embedded = ::SetEnhMetaFileBits(static_cast<UINT>(emf->size()), emf->data());
    if (!embedded) return nullptr;
    return std::make_unique<MetafilePicture>(embedded, e, *emf, true);
  }
  const auto records = metafile::WithoutEmbeddedPieces(standard);
  // GDI's conversion passes the drawing through a viewport in whole pixels of
  // its reference device and then stretches that, moving some lines a pixel
  // from where one mapping, the module's player's, puts them.
  const TRect window = layout->window;
  if (window.Width() != 0 && window.Height() != 0 && metafile::KeepsToItsWindow(records)) {
    HMETAFILE windowed = ::SetMetaFileBitsEx(static_cast<UINT>(records.size()), records.data());
    if (!windowed) return nullptr;
    return std::make_unique<MetafilePicture>(windowed, window, e, b);
  }
  const METAFILEPICT picture{MM_ANISOTROPIC, HundredthsMm(e.width, e.unitsPerInch),
                             HundredthsMm(e.height, e.unitsPerInch), nullptr};
  HENHMETAFILE metafile = ::SetWinMetaFileBits(static_cast<UINT>(records.size()), records.data(), nullptr, &picture);
  if (!metafile) return nullptr;
  return std::make_unique<MetafilePicture>(metafile, e, b, false);
}

}  // namespace pg::platform::win32
