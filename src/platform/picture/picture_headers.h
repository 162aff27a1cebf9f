#pragma once
// Folder rule — platform/picture: the picture readers and encoders both builds share (BMP,
// icon, PNG, headers, tiles); may include the platform interface and metafile/, never a
// backend.
// What both backends read from picture headers before they hand the bytes to a
// decoder: the natural extent, and for metafiles whether every record passes
// the one record check (metafile/record_check.h), so that neither GDI nor our
// player is ever given a record that leads it out of the file or into a long paint.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/picture_files.h"

namespace pg::platform {

// An enhanced metafile that passes the record check. The extent is the header's
// frame in hundredths of a millimetre.
std::optional<PictureExtent> ReadEmfExtent(std::span<const std::uint8_t> bytes);

// A Windows metafile, with or without the 22-byte placeable header, that passes
// the record check. The extent is the placeable bounding box in its units per
// inch; without one, the window extent the metafile sets, as pixels. Empty when
// neither is there.
struct WmfLayout {
  PictureExtent extent;
  std::size_t metafileOffset = 0;  // where the standard metafile starts (22 with a placeable header)
  // The logical window the drawing starts in: the placeable header's box, else
  // a unit window that the file's own window extent replaces.
  TRect window{0, 0, 1, 1};
};
std::optional<WmfLayout> ReadWmfLayout(std::span<const std::uint8_t> bytes);

// Why the record check refuses a metafile (of the kind its first bytes say),
// in a person's words: "record 1234 (EMR_POLYLINE16) claims 90000 points of 4
// bytes in 60 bytes"; empty when it passes. Both builds refuse from the same check.
std::string MetafileRefusal(std::span<const std::uint8_t> bytes);

// A Windows bitmap file whose headers agree with each other and with the file's
// length: every row of an uncompressed bitmap is there (run-length data is taken
// as far as it goes), and the size is one a Bitmap may have.
struct BitmapLayout {
  int width = 0;
  int height = 0;  // rows, whichever way they run
  bool bottomUp = true;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  bool coreHeader = false;        // the 12-byte OS/2 header, 3-byte palette entries
  std::size_t masksOffset = 0;    // three colour masks, with bit fields
  std::size_t paletteOffset = 0;
  std::uint32_t paletteColours = 0;
  std::size_t bitsOffset = 0;
  std::size_t bitsSize = 0;  // what the pixels take (plain) or what the file holds (run-length)
};
std::optional<BitmapLayout> ReadBitmapLayout(std::span<const std::uint8_t> bytes);
// The same for a bitmap without its file header, as metafile records carry one:
// the info header, the palette (of 2-byte indices into the current palette when
// paletteIndices is set) and the pixels right after it. Offsets count from the
// start of dib.
std::optional<BitmapLayout> ReadPackedBitmapLayout(std::span<const std::uint8_t> dib, bool paletteIndices = false);

// The first image of an icon file: a device-independent bitmap whose colour and
// mask rows lie inside it, or a PNG.
struct IconLayout {
  int width = 0;
  int height = 0;
  std::size_t imageOffset = 0;
  std::size_t imageSize = 0;
};
std::optional<IconLayout> ReadIconLayout(std::span<const std::uint8_t> bytes);

// A little-endian field at offset; the caller checks the bounds.
inline std::uint32_t ReadLe32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
inline std::uint16_t ReadLe16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace pg::platform
