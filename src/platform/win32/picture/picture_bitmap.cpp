// Bitmap files: the checked layout becomes a BITMAPINFO, and GDI decodes the
// pixels (every depth, bit fields and run-length forms).
#include <cstring>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture/picture_headers.h"
#include "platform/picture/picture_raster.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32/picture/picture_decoders.h"

namespace pg::platform::win32 {

std::unique_ptr<PictureImage> DecodeBitmapFile(std::span<const std::uint8_t> b) {
  const auto l = ReadBitmapLayout(b);
  if (!l) return nullptr;
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = l->width;
  h.biHeight = l->bottomUp ? l->height : -l->height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(l->bitsPerPixel);
  h.biCompression = l->compression;
  h.biClrUsed = l->paletteColours;

  // Header, masks and palette (in RGBQUADs) in one block.
  std::vector<std::uint8_t> info(sizeof h);
  if (l->masksOffset)
    info.insert(info.end(), b.begin() + static_cast<std::ptrdiff_t>(l->masksOffset),
                b.begin() + static_cast<std::ptrdiff_t>(l->masksOffset + 12));
  const std::size_t entry = l->coreHeader ? 3 : 4;
  for (std::uint32_t i = 0; i < l->paletteColours; ++i) {
    const std::uint8_t* e = b.data() + l->paletteOffset + i * entry;
    info.insert(info.end(), {e[0], e[1], e[2], 0});
  }
  std::vector<std::uint8_t> bits(b.begin() + static_cast<std::ptrdiff_t>(l->bitsOffset),
                                 b.begin() + static_cast<std::ptrdiff_t>(l->bitsOffset + l->bitsSize));
  // Run-length data is closed by an end-of-bitmap code, so the decoder stops at the file's end.
  if (l->compression == BI_RLE8 || l->compression == BI_RLE4) bits.insert(bits.end(), {0, 0, 0, 1});
  h.biSizeImage = static_cast<DWORD>(bits.size());
  std::memcpy(info.data(), &h, sizeof h);

  auto bitmap = std::make_unique<Bitmap>(l->width, l->height);
  if (bitmap->Empty()) return nullptr;
  const int lines = ::SetDIBitsToDevice(bitmap->impl().dc, 0, 0, static_cast<DWORD>(l->width),
                                        static_cast<DWORD>(l->height), 0, 0, 0, static_cast<UINT>(l->height),
                                        bits.data(), reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  ::GdiFlush();
  if (lines <= 0) return nullptr;
  return MakeBitmapPicture(std::move(bitmap));
}

}  // namespace pg::platform::win32
