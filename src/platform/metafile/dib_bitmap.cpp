#include "platform/metafile/dib_bitmap.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "platform/picture/picture_headers.h"
#include "platform/picture_pixels.h"

namespace pg::platform::metafile {

namespace {

// A channel under mask, scaled to 8 bits.
std::uint32_t Channel(std::uint32_t v, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask), bits = std::popcount(mask);
  const std::uint32_t c = (v & mask) >> shift, top = (1u << bits) - 1;
  return bits >= 8 ? c >> (bits - 8) : (c * 255 + top / 2) / top;
}

std::uint32_t FromMasks(std::uint32_t v, const std::uint32_t masks[3]) {
  return Channel(v, masks[0]) << 16 | Channel(v, masks[1]) << 8 | Channel(v, masks[2]);
}

// Run-length pixels as palette indices, row by row from the bottom; what the
// runs leave out stays index 0.
std::vector<std::uint8_t> Unpack(std::span<const std::uint8_t> data, int width, int height, bool four) {
  std::vector<std::uint8_t> px(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  int x = 0, y = 0;
  const auto put = [&](std::uint8_t v) {
    if (x < width && y < height) px[static_cast<std::size_t>(y) * width + x] = v;
    ++x;
  };
  for (std::size_t i = 0; i + 1 < data.size() && y < height;) {
    const std::uint8_t n = data[i], v = data[i + 1];
    i += 2;
    if (n > 0) {
      for (int k = 0; k < n && x < width; ++k) put(four ? (k % 2 ? v & 0x0F : v >> 4) : v);
      continue;
    }
    if (v == 0) {
      x = 0;
      ++y;
    } else if (v == 1) {
      break;
    } else if (v == 2) {
      if (i + 1 >= data.size()) break;
      x += data[i];
      y += data[i + 1];
      i += 2;
    } else {
      const std::size_t bytes = four ? (v + 1u) / 2 : v;
      for (int k = 0; k < v && i + (four ? k / 2 : k) < data.size(); ++k) {
        const std::uint8_t b = data[i + (four ? k / 2 : k)];
        put(four ? (k % 2 ? b & 0x0F : b >> 4) : b);
      }
      i += (bytes + 1) / 2 * 2;
    }
  }
  return px;
}

}  // namespace

std::unique_ptr<Bitmap> DecodeDib(std::span<const std::uint8_t> dib, bool paletteIndices) {
  const auto l = ReadPackedBitmapLayout(dib, paletteIndices);
  if (!l) return nullptr;
  auto bitmap = std::make_unique<Bitmap>(l->width, l->height);
  if (bitmap->Empty()) return nullptr;
  std::vector<std::uint32_t> palette(l->paletteColours, 0);
  for (std::uint32_t i = 0; i < l->paletteColours; ++i) {
    if (paletteIndices) {
      const std::uint32_t g = std::min<std::uint32_t>(255, ReadLe16(dib, l->paletteOffset + i * 2));
      palette[i] = g << 16 | g << 8 | g;
      continue;
    }
    const std::size_t at = l->paletteOffset + i * (l->coreHeader ? 3 : 4);
    palette[i] = static_cast<std::uint32_t>(dib[at + 2]) << 16 | static_cast<std::uint32_t>(dib[at + 1]) << 8 | dib[at];
  }
  const auto colour = [&](std::uint32_t index) { return index < palette.size() ? palette[index] : 0u; };
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (l->bitsPerPixel == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (l->compression == 3)
    for (int k = 0; k < 3; ++k) masks[k] = ReadLe32(dib, l->masksOffset + 4 * static_cast<std::size_t>(k));

  const int w = l->width, h = l->height;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
  const bool rle = l->compression == 1 || l->compression == 2;
  std::vector<std::uint8_t> unpacked;
  if (rle) unpacked = Unpack(dib.subspan(l->bitsOffset, l->bitsSize), w, h, l->compression == 2);
  const std::size_t stride = (static_cast<std::size_t>(w) * l->bitsPerPixel + 31) / 32 * 4;
  for (int y = 0; y < h; ++y) {
    const int stored = l->bottomUp ? h - 1 - y : y;
    if (rle) {
      for (int x = 0; x < w; ++x) row[x] = colour(unpacked[static_cast<std::size_t>(stored) * w + x]);
      WriteBitmapRow(*bitmap, y, row);
      continue;
    }
    const std::uint8_t* p = dib.data() + l->bitsOffset + static_cast<std::size_t>(stored) * stride;
    for (int x = 0; x < w; ++x) {
      switch (l->bitsPerPixel) {
        case 1: row[x] = colour((p[x / 8] >> (7 - x % 8)) & 1); break;
        case 4: row[x] = colour(x % 2 ? p[x / 2] & 0x0F : p[x / 2] >> 4); break;
        case 8: row[x] = colour(p[x]); break;
        case 16: row[x] = FromMasks(static_cast<std::uint32_t>(p[2 * x] | p[2 * x + 1] << 8), masks); break;
        case 24:
          row[x] = static_cast<std::uint32_t>(p[3 * x + 2]) << 16 | static_cast<std::uint32_t>(p[3 * x + 1]) << 8 |
                   p[3 * x];
          break;
        default: row[x] = FromMasks(ReadLe32(std::span(p + 4 * x, 4), 0), masks); break;
      }
    }
    WriteBitmapRow(*bitmap, y, row);
  }
  return bitmap;
}

std::vector<std::uint8_t> DibAlpha(std::span<const std::uint8_t> dib) {
  const auto l = ReadPackedBitmapLayout(dib);
  if (!l || l->bitsPerPixel != 32 || l->compression != 0) return {};
  const int w = l->width, h = l->height;
  std::vector<std::uint8_t> alpha(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  const std::size_t stride = static_cast<std::size_t>(w) * 4;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* p = dib.data() + l->bitsOffset + static_cast<std::size_t>(l->bottomUp ? h - 1 - y : y) * stride;
    for (int x = 0; x < w; ++x) alpha[static_cast<std::size_t>(y) * w + x] = p[4 * x + 3];
  }
  return alpha;
}

}  // namespace pg::platform::metafile
