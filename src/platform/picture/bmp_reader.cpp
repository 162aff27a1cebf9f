#include "platform/picture/bmp_reader.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/picture_pixels.h"

namespace pg::platform {

namespace {

constexpr std::uint32_t kRle8 = 1, kRle4 = 2, kBitFields = 3;

std::size_t RowBytes(int width, int bpp) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
}

// 256 entries: the file's colours, black beyond them.
std::array<std::uint32_t, 256> Palette(std::span<const std::uint8_t> b, const BitmapLayout& l) {
  std::array<std::uint32_t, 256> palette{};
  const std::size_t entry = l.coreHeader ? 3 : 4;
  for (std::uint32_t i = 0; i < l.paletteColours && i < palette.size(); ++i) {
    const std::uint8_t* e = b.data() + l.paletteOffset + i * entry;
    palette[i] = static_cast<std::uint32_t>(e[2]) << 16 | static_cast<std::uint32_t>(e[1]) << 8 | e[0];
  }
  return palette;
}

// One colour channel of a masked pixel as GDI widens or narrows it to 8 bits:
// the field's top 8 bits, shorter fields shifted up with their top bits
// repeated once below.
struct Channel {
  int shift = 0;  // where the (at most 8) bits used start
  int length = 0;
  explicit Channel(std::uint32_t mask) {
    if (mask == 0) return;
    while (!(mask & 1)) mask >>= 1, ++shift;
    while (mask & 1) mask >>= 1, ++length;
    if (length > 8) shift += length - 8, length = 8;
  }
};

std::uint32_t Field(std::uint32_t pixel, int shift, int length) {
  if (length == 0) return 0;
  const std::uint32_t top = ((pixel >> shift) & ((1u << length) - 1)) << (8 - length);
  return (top | top >> length) & 0xFF;
}

struct Masks {
  Channel red, green, blue;
};

Masks MasksOf(std::span<const std::uint8_t> b, const BitmapLayout& l) {
  if (l.compression == kBitFields)
    return {Channel(ReadLe32(b, l.masksOffset)), Channel(ReadLe32(b, l.masksOffset + 4)),
            Channel(ReadLe32(b, l.masksOffset + 8))};
  if (l.bitsPerPixel == 16) return {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
  return {Channel(0xFF0000), Channel(0x00FF00), Channel(0x0000FF)};
}

void ReadPlainRows(std::span<const std::uint8_t> b, const BitmapLayout& l, const BitmapRowTarget& target) {
  const BitmapPixelReader reader(b, l);
  for (int y = 0; y < l.height; ++y) {
    const auto row = target(y);
    if (row.size() < static_cast<std::size_t>(l.width)) continue;
    for (int x = 0; x < l.width; ++x) row[static_cast<std::size_t>(x)] = reader.At(x, y);
  }
}

}  // namespace

// Run-length data as GDI plays it onto a bitmap: runs and literal groups cut
// at the row's end; a stretch of a row counts as painted only once an escape
// code (end of row, delta, end of bitmap) closes it, so deltas, rows ended
// early and a stretch the data breaks off leave pixels unpainted. The data is
// closed by an end of row and of bitmap, as the Windows build hands it to GDI.
RunLengthRows::RunLengthRows(std::span<const std::uint8_t> bytes, const BitmapLayout& layout)
    : layout_(layout),
      palette_(Palette(bytes, layout)),
      data_(bytes.begin() + static_cast<std::ptrdiff_t>(layout.bitsOffset),
            bytes.begin() + static_cast<std::ptrdiff_t>(layout.bitsOffset + layout.bitsSize)),
      starts_(static_cast<std::size_t>(std::max(layout.height, 0)), RowStart{}) {
  data_.insert(data_.end(), {0, 0, 0, 1});
  // One pass over the codes, none over the pixels: where each row's play begins.
  if (layout.height > 0) Walk(RowStart{0, 0}, layout.height - 1, &starts_, nullptr);
}

void RunLengthRows::Walk(RowStart from, int y, std::vector<RowStart>* starts, RowPaint* paint) const {
  const int w = layout_.width;
  const bool four = layout_.compression == kRle4;
  std::size_t i = from.at;
  int x = from.x, left = x, right = x;
  const auto enter = [&] {
    if (starts && y >= 0 && (*starts)[static_cast<std::size_t>(y)].at == kNone)
      (*starts)[static_cast<std::size_t>(y)] = RowStart{i, x};
  };
  const auto close = [&] {
    if (paint)
      for (int c = left; c < right; ++c) paint->painted[static_cast<std::size_t>(c)] = 1;
  };
  const auto put = [&](int at, unsigned v) { paint->index[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(v); };
  enter();
  while (i + 1 < data_.size() && y >= 0) {
    int count = data_[i];
    const std::uint8_t data = data_[i + 1];
    i += 2;
    if (count != 0) {
      if (x + count > w) count = w - x;
      if (paint)
        for (int k = 0; k < count; ++k) put(x + k, four ? (k & 1 ? data & 0xFu : data >> 4u) : data);
      right = x += count;
      continue;
    }
    if (data < 3) {
      close();
      if (data == 0) {  // end of row
        left = right = x = 0;
        if (paint) return;
        --y;
        enter();
      } else if (data == 1) {  // end of bitmap
        return;
      } else {  // delta
        if (i + 1 >= data_.size()) return;
        x = std::min(x + data_[i], w);
        left = right = x;
        const int down = data_[i + 1];
        i += 2;
        if (down != 0) {
          if (paint) return;
          y -= down;
          enter();
        }
      }
      continue;
    }
    // `data` literal pixels, padded to whole words.
    count = data;
    const std::size_t bytes = four ? (static_cast<std::size_t>(count) + 1) / 2 : static_cast<std::size_t>(count);
    if (i + bytes > data_.size()) return;
    if (x + count > w) count = w - x;
    if (paint)
      for (int k = 0; k < count; ++k) {
        const std::uint8_t b = data_[i + static_cast<std::size_t>(four ? k / 2 : k)];
        put(x + k, four ? (k & 1 ? b & 0xFu : b >> 4u) : b);
      }
    right = x += count;
    i += (bytes + 1) & ~std::size_t{1};
  }
}

void RunLengthRows::Row(int y, std::uint32_t unpainted, std::span<std::uint32_t> out) const {
  std::fill(out.begin(), out.end(), unpainted);
  const auto w = static_cast<std::size_t>(layout_.width);
  if (y < 0 || y >= layout_.height || out.size() < w) return;
  const RowStart from = starts_[static_cast<std::size_t>(y)];
  if (from.at == kNone) return;  // a delta stepped over it
  RowPaint paint{std::vector<std::uint8_t>(w, 0), std::vector<std::uint8_t>(w, 0)};
  Walk(from, y, nullptr, &paint);
  for (std::size_t c = 0; c < w; ++c)
    if (paint.painted[c]) out[c] = palette_[paint.index[c]];
}

BitmapPixelReader::BitmapPixelReader(std::span<const std::uint8_t> bytes, const BitmapLayout& layout)
    : bytes_(bytes),
      layout_(layout),
      palette_(Palette(bytes, layout)),
      stride_(RowBytes(layout.width, layout.bitsPerPixel)) {
  const Masks m = MasksOf(bytes, layout);
  const Channel* channels[3] = {&m.red, &m.green, &m.blue};
  for (int i = 0; i < 3; ++i) shift_[i] = channels[i]->shift, length_[i] = channels[i]->length;
}

std::uint32_t BitmapPixelReader::At(int x, int y) const {
  const int fileRow = layout_.bottomUp ? layout_.height - 1 - y : y;
  const std::uint8_t* s = bytes_.data() + layout_.bitsOffset + static_cast<std::size_t>(fileRow) * stride_;
  const auto ux = static_cast<std::size_t>(x);
  switch (layout_.bitsPerPixel) {
    case 1: return palette_[(s[ux >> 3] >> (7 - (ux & 7))) & 1];
    case 4: return palette_[(s[ux >> 1] >> (ux & 1 ? 0 : 4)) & 0xF];
    case 8: return palette_[s[ux]];
    case 16: return Masked(static_cast<std::uint32_t>(s[2 * ux] | s[2 * ux + 1] << 8));
    case 24:
      s += 3 * ux;
      return static_cast<std::uint32_t>(s[2]) << 16 | static_cast<std::uint32_t>(s[1]) << 8 | s[0];
    default:
      s += 4 * ux;
      return Masked(static_cast<std::uint32_t>(s[0] | s[1] << 8 | s[2] << 16) | static_cast<std::uint32_t>(s[3]) << 24);
  }
}

std::uint32_t BitmapPixelReader::Masked(std::uint32_t pixel) const {
  return Field(pixel, shift_[0], length_[0]) << 16 | Field(pixel, shift_[1], length_[1]) << 8 |
         Field(pixel, shift_[2], length_[2]);
}

void ReadBitmapRows(std::span<const std::uint8_t> bytes, const BitmapLayout& layout, std::uint32_t unpainted,
                    const BitmapRowTarget& target) {
  if (layout.compression == kRle8 || layout.compression == kRle4) {
    const RunLengthRows rows(bytes, layout);
    for (int y = 0; y < layout.height; ++y) rows.Row(y, unpainted, target(y));
  }
  else
    ReadPlainRows(bytes, layout, target);
}

std::unique_ptr<Bitmap> ReadBitmapFile(std::span<const std::uint8_t> bytes) {
  const auto layout = ReadBitmapLayout(bytes);
  if (!layout) return nullptr;
  auto bitmap = std::make_unique<Bitmap>(layout->width, layout->height);
  if (bitmap->Empty()) return nullptr;
  ReadBitmapRows(bytes, *layout, 0xFFFFFF, [&](int y) { return BitmapRowPixels(*bitmap, y); });
  return bitmap;
}

}  // namespace pg::platform
