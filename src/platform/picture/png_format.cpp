#include <png.h>

#include <csetjmp>
#include <cstddef>
#include <new>

#include "platform/image_files.h"

namespace pg::platform {

namespace {

// libpng reports failures by jumping back to the setjmp in EncodeRows; nothing
// of ours may unwind through its C frames, so allocation failures jump too.
void AppendBytes(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  try {
    out->insert(out->end(), data, data + n);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}

void NoFlush(png_structp) {}

// Only trivially destructible objects live across the setjmp.
bool EncodeRows(png_structp png, png_infop info, int width, int height, const PixelSource& pixel,
                std::vector<std::uint8_t>& out, png_bytep row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // 96 dots to the inch, so that programs that place pictures by their
  // resolution show them at the size the screen does.
  constexpr png_uint_32 kDotsPerMetre = 3780;
  png_set_pHYs(png, info, kDotsPerMetre, kDotsPerMetre, PNG_RESOLUTION_METER);
  // Charts are flat colours: the fastest deflate level with the left-neighbour
  // filter keeps them small, where adaptive filtering costs time for nothing.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = pixel(x, y);
      row[3 * x] = static_cast<png_byte>(rgb >> 16);
      row[3 * x + 1] = static_cast<png_byte>(rgb >> 8);
      row[3 * x + 2] = static_cast<png_byte>(rgb);
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const PixelSource& pixel) {
  // PNG has no form for an empty picture: the caller reports the failure.
  if (width <= 0 || height <= 0) return {};
  std::vector<std::uint8_t> out, row;
  try {
    row.resize(3 * static_cast<std::size_t>(width));
  } catch (const std::bad_alloc&) {
    return {};
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool ok = info && EncodeRows(png, info, width, height, pixel, out, row.data());
  png_destroy_write_struct(&png, &info);
  if (!ok) out.clear();
  return out;
}

}  // namespace pg::platform
