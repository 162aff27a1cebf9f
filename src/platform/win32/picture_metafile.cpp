// Metafiles: GDI holds both kinds as an enhanced metafile and plays it into the
// destination, scaled to it.
#include <vector>

#include "platform/picture_headers.h"
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

 private:
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
