#include "platform/picture/png_reader.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

#include "platform/bitmap.h"

namespace pg::platform {

namespace {

struct Source {
  std::span<const std::uint8_t> bytes;
  std::size_t at = 0;
};

void ReadFromSpan(png_structp png, png_bytep data, png_size_t n) {
  auto* s = static_cast<Source*>(png_get_io_ptr(png));
  if (n > s->bytes.size() - s->at) png_error(png, "file ends early");
  std::memcpy(data, s->bytes.data() + s->at, n);
  s->at += n;
}

// Warnings (a bad checksum in an ancillary chunk, say) do not stop the picture;
// errors jump back to the setjmp of the step that failed. Nothing is printed.
void IgnoreWarning(png_structp, png_const_charp) {}
[[noreturn]] void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// The header and the transforms to 8-bit BGRA; false when the size is not one a
// bitmap may have. Only trivially destructible objects live across the setjmp.
bool ReadHeader(png_structp png, png_infop info, Source& source, int& width, int& height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &source, ReadFromSpan);
  png_read_info(png, info);
  width = static_cast<int>(png_get_image_width(png, info));
  height = static_cast<int>(png_get_image_height(png, info));
  if (!Bitmap::SizeAllowed(width, height)) return false;
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return png_get_rowbytes(png, info) == static_cast<png_size_t>(width) * 4;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

bool ReadPng(std::span<const std::uint8_t> bytes, PngPixels& out) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, IgnoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  Source source{bytes, 0};
  int width = 0, height = 0;
  bool ok = info && ReadHeader(png, info, source, width, height);
  std::vector<std::uint32_t> argb;
  std::vector<png_bytep> rows;
  if (ok) {
    try {
      argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
      rows.resize(static_cast<std::size_t>(height));
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  if (ok) {
    // BGRA bytes in memory are 0xAARRGGBB words on a little-endian machine.
    for (int y = 0; y < height; ++y)
      rows[static_cast<std::size_t>(y)] =
          reinterpret_cast<png_bytep>(argb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width));
    ok = ReadRows(png, rows.data());
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return false;
  out = PngPixels{width, height, std::move(argb)};
  return true;
}

}  // namespace pg::platform
