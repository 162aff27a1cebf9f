#include "platform/picture/icon_reader.h"

#include <algorithm>

#include "platform/picture/bmp_reader.h"
#include "platform/picture/picture_headers.h"
#include "platform/picture/png_reader.h"
#include "platform/stretch_steps.h"

namespace pg::platform {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// An entry at its own size, before it is brought to the directory's.
struct Entry {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // straight alpha in the top byte (0 for bitmaps without)
  std::vector<std::uint32_t> mask;  // kWhite where what is below shows
};

std::optional<Entry> ReadBitmapEntry(std::span<const std::uint8_t> image) {
  // ReadIconLayout has checked the header, the depth and that every row is there.
  constexpr std::size_t kInfoHeader = 40;
  const int bpp = ReadLe16(image, 14);
  BitmapLayout l;
  l.width = static_cast<int>(ReadLe32(image, 4));
  l.height = static_cast<int>(ReadLe32(image, 8)) / 2;  // colour rows, then as many mask rows
  l.bitsPerPixel = bpp;
  const std::uint32_t full = bpp <= 8 ? 1u << bpp : 0u, used = ReadLe32(image, 32);
  l.paletteColours = used == 0 || used > full ? full : used;
  l.paletteOffset = kInfoHeader;
  l.bitsOffset = kInfoHeader + l.paletteColours * 4;
  if (l.width <= 0 || l.height <= 0) return std::nullopt;
  const std::size_t w = static_cast<std::size_t>(l.width), h = static_cast<std::size_t>(l.height);
  const std::size_t colourStride = (w * static_cast<std::size_t>(bpp) + 31) / 32 * 4, maskStride = (w + 31) / 32 * 4;
  l.bitsSize = colourStride * h;

  Entry e{l.width, l.height, std::vector<std::uint32_t>(w * h), std::vector<std::uint32_t>(w * h)};
  ReadBitmapRows(image, l, 0, [&](int y) { return std::span<std::uint32_t>(e.argb).subspan(static_cast<std::size_t>(y) * w, w); });
  // The alpha byte counts only in 32-bit entries, and only when one pixel has it.
  if (bpp == 32) {
    const std::uint8_t* s = image.data() + l.bitsOffset;
    for (std::size_t y = 0; y < h; ++y)
      for (std::size_t x = 0; x < w; ++x)
        e.argb[(h - 1 - y) * w + x] |= static_cast<std::uint32_t>(s[y * colourStride + 4 * x + 3]) << 24;
  }
  const std::uint8_t* m = image.data() + l.bitsOffset + l.bitsSize;
  for (std::size_t y = 0; y < h; ++y)
    for (std::size_t x = 0; x < w; ++x)
      e.mask[(h - 1 - y) * w + x] = (m[y * maskStride + x / 8] >> (7 - x % 8)) & 1 ? kWhite : 0;
  return e;
}

std::optional<Entry> ReadPngEntry(std::span<const std::uint8_t> image) {
  PngPixels png;
  if (!ReadPng(image, png)) return std::nullopt;
  const std::size_t n = png.argb.size();
  return Entry{png.width, png.height, std::move(png.argb), std::vector<std::uint32_t>(n, 0)};
}

// The entry brought to width x height as GDI stretches a new icon's bitmaps (a
// fresh device context's mode: shrinking ANDs each group of pixels together).
std::vector<std::uint32_t> Resized(const std::vector<std::uint32_t>& src, int sw, int sh, int width, int height) {
  if (sw == width && sh == height) return src;
  std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const SourceGroup rows = StretchSourceGroup(y, height, sh);
    for (int x = 0; x < width; ++x) {
      const SourceGroup cols = StretchSourceGroup(x, width, sw);
      std::uint32_t v = 0xFFFFFFFFu;
      for (int r = rows.first; r < rows.end; ++r)
        for (int c = cols.first; c < cols.end; ++c)
          v &= src[static_cast<std::size_t>(r) * static_cast<std::size_t>(sw) + static_cast<std::size_t>(c)];
      out[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = v;
    }
  }
  return out;
}

std::uint32_t Premultiplied(std::uint32_t s) {
  const std::uint32_t a = s >> 24;
  const auto pre = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | pre((s >> 16) & 0xFF) << 16 | pre((s >> 8) & 0xFF) << 8 | pre(s & 0xFF);
}

}  // namespace

std::optional<IconImage> ReadIconFile(std::span<const std::uint8_t> bytes) {
  const auto l = ReadIconLayout(bytes);
  if (!l) return std::nullopt;
  const auto image = bytes.subspan(l->imageOffset, l->imageSize);
  static constexpr std::uint8_t kPng[4] = {0x89, 'P', 'N', 'G'};
  const bool png = image.size() >= 4 && std::equal(std::begin(kPng), std::end(kPng), image.begin());
  auto entry = png ? ReadPngEntry(image) : ReadBitmapEntry(image);
  if (!entry) return std::nullopt;

  IconImage icon;
  icon.width = l->width;
  icon.height = l->height;
  icon.alpha = std::any_of(entry->argb.begin(), entry->argb.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
  icon.colour = Resized(entry->argb, entry->width, entry->height, icon.width, icon.height);
  if (icon.alpha) {
    std::transform(icon.colour.begin(), icon.colour.end(), icon.colour.begin(), Premultiplied);
  } else {
    for (auto& c : icon.colour) c &= kWhite;
    icon.mask = Resized(entry->mask, entry->width, entry->height, icon.width, icon.height);
  }
  return icon;
}

}  // namespace pg::platform
