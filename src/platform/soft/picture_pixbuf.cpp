// Bitmap and icon files through GdkPixbuf, whose loaders are told the format
// (the file's extension chose it), never left to guess from the content.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <vector>

#include "platform/bitmap.h"
#include "platform/picture_headers.h"
#include "platform/picture_pixels.h"
#include "platform/picture_raster.h"
#include "platform/soft/picture_blend.h"
#include "platform/soft/picture_decoders.h"

namespace pg::platform::soft {

namespace {

struct GObjectUnref {
  void operator()(gpointer p) const { g_object_unref(p); }
};
using PixbufPtr = std::unique_ptr<GdkPixbuf, GObjectUnref>;
using LoaderPtr = std::unique_ptr<GdkPixbufLoader, GObjectUnref>;

PixbufPtr LoadPixbuf(const char* type, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return nullptr;
  GError* error = nullptr;
  LoaderPtr loader(gdk_pixbuf_loader_new_with_type(type, &error));
  if (!loader) {
    g_clear_error(&error);
    return nullptr;
  }
  const bool written = gdk_pixbuf_loader_write(loader.get(), bytes.data(), bytes.size(), &error);
  g_clear_error(&error);
  // Closing is needed in every case; it also reports a file that ended too early.
  const bool closed = gdk_pixbuf_loader_close(loader.get(), &error);
  g_clear_error(&error);
  if (!written || !closed) return nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
  if (!pixbuf || gdk_pixbuf_get_colorspace(pixbuf) != GDK_COLORSPACE_RGB ||
      gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || gdk_pixbuf_get_n_channels(pixbuf) < 3 ||
      !Bitmap::SizeAllowed(gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf)))
    return nullptr;
  return PixbufPtr(static_cast<GdkPixbuf*>(g_object_ref(pixbuf)));
}

// Pixel (x, y) as 0xAARRGGBB, straight alpha (255 without an alpha channel).
std::uint32_t PixbufPixel(const GdkPixbuf* p, const guchar* pixels, int x, int y) {
  const int channels = gdk_pixbuf_get_n_channels(p);
  const guchar* s = pixels + static_cast<std::ptrdiff_t>(y) * gdk_pixbuf_get_rowstride(p) +
                    static_cast<std::ptrdiff_t>(x) * channels;
  const std::uint32_t a = gdk_pixbuf_get_has_alpha(p) && channels >= 4 ? s[3] : 255u;
  return a << 24 | static_cast<std::uint32_t>(s[0]) << 16 | static_cast<std::uint32_t>(s[1]) << 8 | s[2];
}

// An icon: straight-alpha pixels, drawn over what is below.
class IconPicture final : public PictureImage {
 public:
  IconPicture(int width, int height, std::vector<std::uint32_t> argb)
      : width_(width), height_(height), argb_(std::move(argb)) {}
  PictureExtent Extent() const override { return PictureExtent{width_, height_, 0}; }
  void Draw(DeviceContext& dc, const TRect& dest) const override {
    const TRect area = VisiblePart(dc, dest);
    const long long dw = dest.Width(), dh = dest.Height();
    // Nearest source pixel, as a stretched copy picks it.
    BlendOnto(dc, area, [&](int x, int y) {
      const int sx = static_cast<int>((area.left + x - dest.left) * static_cast<long long>(width_) / dw);
      const int sy = static_cast<int>((area.top + y - dest.top) * static_cast<long long>(height_) / dh);
      const std::uint32_t s = argb_[static_cast<std::size_t>(sy) * static_cast<std::size_t>(width_) +
                                    static_cast<std::size_t>(sx)];
      const std::uint32_t a = s >> 24;
      auto pre = [a](std::uint32_t c) { return (c * a + 127) / 255; };
      return a << 24 | pre((s >> 16) & 0xFF) << 16 | pre((s >> 8) & 0xFF) << 8 | pre(s & 0xFF);
    });
  }

 private:
  int width_, height_;
  std::vector<std::uint32_t> argb_;
};

}  // namespace

std::unique_ptr<PictureImage> DecodeBitmapFile(std::span<const std::uint8_t> bytes) {
  // Only files whose headers hold together, as on Windows.
  const auto layout = ReadBitmapLayout(bytes);
  if (!layout) return nullptr;
  // The loader sizes its palette by the header's colour count unchecked: a count
  // beyond the depth's colours is given as the whole palette, as it is read here.
  constexpr std::size_t kColoursUsed = 46;
  std::vector<std::uint8_t> clamped;
  if (!layout->coreHeader && layout->bitsPerPixel <= 8 && ReadLe32(bytes, kColoursUsed) > layout->paletteColours) {
    clamped.assign(bytes.begin(), bytes.end());
    for (std::size_t i = 0; i < 4; ++i)
      clamped[kColoursUsed + i] = static_cast<std::uint8_t>(layout->paletteColours >> (8 * i));
    bytes = clamped;
  }
  const PixbufPtr p = LoadPixbuf("bmp", bytes);
  if (!p) return nullptr;
  const int w = gdk_pixbuf_get_width(p.get()), h = gdk_pixbuf_get_height(p.get());
  auto bitmap = std::make_unique<Bitmap>(w, h);
  if (bitmap->Empty()) return nullptr;
  const guchar* pixels = gdk_pixbuf_read_pixels(p.get());
  std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
  // A bitmap is opaque: an alpha byte in its pixels does not show, as on Windows.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) row[static_cast<std::size_t>(x)] = PixbufPixel(p.get(), pixels, x, y) & 0xFFFFFFu;
    WriteBitmapRow(*bitmap, y, row);
  }
  return MakeBitmapPicture(std::move(bitmap));
}

std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> bytes) {
  // The first image, as on Windows: the loader gets a directory of that one alone.
  const auto l = ReadIconLayout(bytes);
  if (!l) return nullptr;
  std::vector<std::uint8_t> single(bytes.begin(), bytes.begin() + 22);
  single[4] = 1, single[5] = 0;
  const std::uint32_t offset = 22;
  for (int i = 0; i < 4; ++i) single[18 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
  single.insert(single.end(), bytes.begin() + static_cast<std::ptrdiff_t>(l->imageOffset),
                bytes.begin() + static_cast<std::ptrdiff_t>(l->imageOffset + l->imageSize));
  const PixbufPtr p = LoadPixbuf("ico", single);
  if (!p) return nullptr;
  const int w = gdk_pixbuf_get_width(p.get()), h = gdk_pixbuf_get_height(p.get());
  const guchar* pixels = gdk_pixbuf_read_pixels(p.get());
  std::vector<std::uint32_t> argb;
  argb.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) argb.push_back(PixbufPixel(p.get(), pixels, x, y));
  return std::make_unique<IconPicture>(w, h, std::move(argb));
}

}  // namespace pg::platform::soft
