#include "platform/picture/picture_headers.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "platform/bitmap.h"
#include "platform/metafile/emf_records.h"
#include "platform/metafile/record_check.h"
#include "platform/metafile/wmf_records.h"

namespace pg::platform {

namespace {

std::int32_t Signed32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(ReadLe32(b, at));
}
std::int16_t Signed16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int16_t>(ReadLe16(b, at));
}

// |b - a| kept within int.
int Span(std::int64_t a, std::int64_t b) {
  const std::int64_t d = std::llabs(b - a);
  return d > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(d);
}
// The same with both edges counted, as inclusive bounds are.
int InclusiveSpan(std::int64_t a, std::int64_t b) { return Span(a, b >= a ? b + 1 : b - 1); }

constexpr std::size_t kFileHeader = 14, kCoreHeader = 12, kInfoHeader = 40;
constexpr std::uint32_t kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

bool ValidDepth(int bpp, std::uint32_t compression) {
  switch (compression) {
    case kPlain: return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    case kRle8: return bpp == 8;
    case kRle4: return bpp == 4;
    case kBitFields: return bpp == 16 || bpp == 32;
    default: return false;  // embedded JPEG or PNG: not a screen bitmap
  }
}

// Palette entries of a bitmap of bpp bits: as many as it says, at most all.
std::uint32_t PaletteColours(int bpp, std::uint32_t used) {
  if (bpp > 8) return 0;
  const std::uint32_t full = 1u << bpp;
  return used == 0 || used > full ? full : used;
}

std::size_t RowBytes(std::size_t width, int bpp) { return (width * static_cast<std::size_t>(bpp) + 31) / 32 * 4; }

}  // namespace

namespace {

// The info header at `at` and the masks and palette after it; `next` is where
// the palette ends. Entries are 4 bytes (3 in the core header) or, for
// palette indices, 2.
std::optional<BitmapLayout> ReadInfo(std::span<const std::uint8_t> b, std::size_t at, bool paletteIndices,
                                     std::size_t& next) {
  if (b.size() < at + kCoreHeader) return std::nullopt;
  BitmapLayout l;
  const std::size_t headerSize = ReadLe32(b, at);
  l.coreHeader = headerSize == kCoreHeader;
  if (!l.coreHeader && (headerSize < kInfoHeader || headerSize > b.size() - at)) return std::nullopt;
  std::int64_t width = 0, height = 0;
  int planes = 0;
  std::uint32_t used = 0;
  if (l.coreHeader) {
    width = ReadLe16(b, at + 4);
    height = ReadLe16(b, at + 6);
    planes = ReadLe16(b, at + 8);
    l.bitsPerPixel = ReadLe16(b, at + 10);
  } else {
    width = Signed32(b, at + 4);
    height = Signed32(b, at + 8);
    planes = ReadLe16(b, at + 12);
    l.bitsPerPixel = ReadLe16(b, at + 14);
    l.compression = ReadLe32(b, at + 16);
    used = ReadLe32(b, at + 32);
  }
  l.bottomUp = height > 0;
  height = std::llabs(height);
  if (planes != 1 || !ValidDepth(l.bitsPerPixel, l.compression) || width > Bitmap::kMaxSide ||
      height > Bitmap::kMaxSide || !Bitmap::SizeAllowed(static_cast<int>(width), static_cast<int>(height)) ||
      (!l.bottomUp && (l.compression == kRle8 || l.compression == kRle4)))
    return std::nullopt;
  l.width = static_cast<int>(width);
  l.height = static_cast<int>(height);

  next = at + headerSize;
  if (l.compression == kBitFields) {
    // In the longer headers the masks are part of the header.
    l.masksOffset = headerSize >= kInfoHeader + 12 ? at + kInfoHeader : next;
    if (l.masksOffset + 12 > b.size()) return std::nullopt;
    if (l.masksOffset == next) next += 12;
  }
  l.paletteColours = PaletteColours(l.bitsPerPixel, used);
  l.paletteOffset = next;
  const std::size_t entry = paletteIndices ? 2 : l.coreHeader ? 3 : 4;
  if (next + l.paletteColours * entry > b.size()) return std::nullopt;
  next += l.paletteColours * entry;
  return l;
}

// Every row of plain pixels must be there from bitsOffset on; run-length data
// is taken as far as it goes.
bool PlaceBits(BitmapLayout& l, std::span<const std::uint8_t> b, std::size_t bitsOffset) {
  l.bitsOffset = bitsOffset;
  if (l.bitsOffset >= b.size()) return false;
  if (l.compression == kRle8 || l.compression == kRle4) {
    l.bitsSize = b.size() - l.bitsOffset;
    return true;
  }
  l.bitsSize = RowBytes(static_cast<std::size_t>(l.width), l.bitsPerPixel) * static_cast<std::size_t>(l.height);
  return b.size() - l.bitsOffset >= l.bitsSize;
}

}  // namespace

std::optional<BitmapLayout> ReadBitmapLayout(std::span<const std::uint8_t> b) {
  if (b.size() < kFileHeader + kCoreHeader || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  std::size_t next = 0;
  auto l = ReadInfo(b, kFileHeader, false, next);
  if (!l) return std::nullopt;
  const std::size_t offBits = ReadLe32(b, 10);
  if (!PlaceBits(*l, b, offBits != 0 ? offBits : next)) return std::nullopt;
  return l;
}

std::optional<BitmapLayout> ReadPackedBitmapLayout(std::span<const std::uint8_t> dib, bool paletteIndices) {
  std::size_t next = 0;
  auto l = ReadInfo(dib, 0, paletteIndices, next);
  if (!l || !PlaceBits(*l, dib, next)) return std::nullopt;
  return l;
}

std::optional<IconLayout> ReadIconLayout(std::span<const std::uint8_t> b) {
  constexpr std::size_t kDirectory = 6, kEntry = 16;
  if (b.size() < kDirectory + kEntry || ReadLe16(b, 0) != 0 || ReadLe16(b, 2) != 1 || ReadLe16(b, 4) == 0)
    return std::nullopt;
  IconLayout l;
  l.width = b[kDirectory] == 0 ? 256 : b[kDirectory];
  l.height = b[kDirectory + 1] == 0 ? 256 : b[kDirectory + 1];
  l.imageSize = ReadLe32(b, kDirectory + 8);
  l.imageOffset = ReadLe32(b, kDirectory + 12);
  if (l.imageOffset > b.size() || l.imageSize > b.size() - l.imageOffset) return std::nullopt;
  const auto image = b.subspan(l.imageOffset, l.imageSize);

  static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (image.size() > sizeof kPng && std::equal(std::begin(kPng), std::end(kPng), image.begin())) return l;
  if (image.size() < kInfoHeader || ReadLe32(image, 0) != kInfoHeader) return std::nullopt;
  const std::int32_t width = Signed32(image, 4), height = Signed32(image, 8);  // height: colour and mask rows
  const int bpp = ReadLe16(image, 14);
  if (width <= 0 || width > 1024 || height <= 0 || height > 2048 || ReadLe32(image, 16) != kPlain ||
      !ValidDepth(bpp, kPlain))
    return std::nullopt;
  const std::size_t rows = static_cast<std::size_t>(height) / 2, w = static_cast<std::size_t>(width);
  const std::size_t need = kInfoHeader + PaletteColours(bpp, ReadLe32(image, 32)) * 4 + RowBytes(w, bpp) * rows +
                           RowBytes(w, 1) * rows;
  if (need > image.size()) return std::nullopt;
  return l;
}

std::optional<PictureExtent> ReadEmfExtent(std::span<const std::uint8_t> bytes) {
  if (!metafile::CheckEmfRecords(bytes)) return std::nullopt;
  PictureExtent e{Span(Signed32(bytes, 24), Signed32(bytes, 32)), Span(Signed32(bytes, 28), Signed32(bytes, 36)),
                  2540};
  if (e.width == 0 || e.height == 0)  // no frame: the bounds, in device pixels
    e = PictureExtent{InclusiveSpan(Signed32(bytes, 8), Signed32(bytes, 16)),
                      InclusiveSpan(Signed32(bytes, 12), Signed32(bytes, 20)), 0};
  return e;
}

namespace {

std::optional<WmfLayout> CheckedWmfLayout(std::span<const std::uint8_t> bytes, std::string* refusal) {
  WmfLayout layout;
  bool placeable = false;
  if (bytes.size() >= metafile::wmr::kPlaceableSize && ReadLe32(bytes, 0) == metafile::wmr::kPlaceableKey) {
    std::uint16_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) checksum ^= ReadLe16(bytes, at);
    const int inch = ReadLe16(bytes, 14);
    if (checksum != ReadLe16(bytes, 20) || inch == 0) {
      if (refusal) *refusal = inch == 0 ? "the placeable header gives no units per inch" : "the placeable header's checksum is wrong";
      return std::nullopt;
    }
    layout.extent = PictureExtent{Span(Signed16(bytes, 6), Signed16(bytes, 10)),
                                  Span(Signed16(bytes, 8), Signed16(bytes, 12)), inch};
    layout.metafileOffset = metafile::wmr::kPlaceableSize;
    layout.window = TRect{Signed16(bytes, 6), Signed16(bytes, 8), Signed16(bytes, 10), Signed16(bytes, 12)};
    placeable = true;
  }
  const auto records = metafile::CheckWmfRecords(bytes.subspan(layout.metafileOffset), {}, refusal);
  if (!records) return std::nullopt;
  if (!placeable && !records->hasWindowExtent) {
    if (refusal) *refusal = "neither a placeable header nor a window extent gives its size";
    return std::nullopt;
  }
  if (!placeable) layout.extent = PictureExtent{records->windowWidth, records->windowHeight, 0};
  return layout;
}

}  // namespace

std::optional<WmfLayout> ReadWmfLayout(std::span<const std::uint8_t> bytes) { return CheckedWmfLayout(bytes, nullptr); }

std::string MetafileRefusal(std::span<const std::uint8_t> bytes) {
  std::string why;
  constexpr std::size_t kSignatureAt = 40;
  if (bytes.size() >= kSignatureAt + 4 && ReadLe32(bytes, 0) == metafile::emr::kHeader &&
      ReadLe32(bytes, kSignatureAt) == metafile::emr::kSignature) {
    metafile::CheckEmfRecords(bytes, {}, &why);
  } else {
    CheckedWmfLayout(bytes, &why);
  }
  return why;
}

}  // namespace pg::platform
