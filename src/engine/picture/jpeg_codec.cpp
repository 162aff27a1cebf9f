#include "engine/picture/jpeg_codec.h"

// libjpeg's headers want these first.
#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/bitmap.h"

namespace pg::engine::jpeg {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the setjmp of the call that started the work. Only plain C
// structs live in those frames, so nothing is skipped that needs destroying.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void ErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }
// Warnings (a file that ends early, say) are not shown: the picture decodes as far as it goes.
void OutputMessage(j_common_ptr) {}

void InitErrors(ErrorManager& errors) {
  jpeg_std_error(&errors.pub);
  errors.pub.error_exit = ErrorExit;
  errors.pub.output_message = OutputMessage;
}

// A file of a few hundred bytes may declare a picture of sixty million pixels;
// libjpeg then decodes it all from nothing, taking seconds of the host's paint.
// Huffman coding spends at least one bit on every 8 x 8 block of every
// component (its DC code), so a file holding fewer bits than blocks cannot be
// whole: such a fragment is refused as ending early. Arithmetic coding packs a
// flat area far tighter, so only a loose bound holds there.
void RefuseImageLargerThanItsData(jpeg_decompress_struct& c) {
  unsigned long long blocks = 0;
  for (int i = 0; i < c.num_components; ++i)
    blocks += static_cast<unsigned long long>(c.comp_info[i].width_in_blocks) * c.comp_info[i].height_in_blocks;
  const unsigned long long bits = static_cast<unsigned long long>(c.src->bytes_in_buffer) * 8;
  const unsigned long long blocksPerBit = c.arith_code ? 64 : 1;
  if (blocks > bits * blocksPerBit) ERREXIT(&c, JERR_INPUT_EOF);
}

void Configure(jpeg_decompress_struct& c, const DecodeOptions& o) {
  c.scale_num = 1;
  c.scale_denom = static_cast<unsigned>(o.scaleDenominator);
  c.do_block_smoothing = o.smoothing;
  if (o.grayscale) c.out_color_space = JCS_GRAYSCALE;
  // The two-pass quantiser works on three colour channels only.
  const bool fourChannels = c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK;
  if (o.quantize && !fourChannels) {
    c.quantize_colors = TRUE;
    c.desired_number_of_colors = 236;
  }
  if (o.bestSpeed) {
    c.dct_method = JDCT_IFAST;
    c.two_pass_quantize = FALSE;
    c.dither_mode = JDITHER_ORDERED;
    c.do_fancy_upsampling = FALSE;
  }
  RefuseImageLargerThanItsData(c);
  jpeg_calc_output_dimensions(&c);
  if (!platform::Bitmap::SizeAllowed(static_cast<int>(c.output_width), static_cast<int>(c.output_height)))
    ERREXIT1(&c, JERR_IMAGE_TOO_BIG, platform::Bitmap::kMaxSide);
}

// Called by the decoder as it works; stops it at the first scan past the limit,
// whatever the marker count at load said.
struct ScanGuard {
  jpeg_progress_mgr pub;
  int limit;
};
void CheckScan(j_common_ptr c) {
  auto* d = reinterpret_cast<j_decompress_ptr>(c);
  if (d->input_scan_number > reinterpret_cast<ScanGuard*>(c->progress)->limit) ERREXIT(c, JERR_BAD_SCAN_SCRIPT);
}

std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r << 16 | g << 8 | b; }

// One decoded scanline as pixels.
void ConvertRow(const jpeg_decompress_struct& c, const JSAMPLE* s, std::uint32_t* out) {
  const unsigned w = c.output_width;
  if (c.quantize_colors) {
    const bool gray = c.out_color_components == 1;
    for (unsigned x = 0; x < w; ++x) {
      const int i = s[x];
      const unsigned r = c.colormap[0][i];
      out[x] = gray ? Rgb(r, r, r) : Rgb(r, c.colormap[1][i], c.colormap[2][i]);
    }
  } else if (c.output_components == 1) {
    for (unsigned x = 0; x < w; ++x) out[x] = Rgb(s[x], s[x], s[x]);
  } else if (c.output_components == 4) {
    // Adobe's files store CMYK inverted.
    const bool inverted = c.saw_Adobe_marker;
    for (unsigned x = 0; x < w; ++x, s += 4) {
      auto ink = [&](int i) { return inverted ? s[i] : 255u - s[i]; };
      const unsigned k = ink(3);
      out[x] = Rgb(ink(0) * k / 255, ink(1) * k / 255, ink(2) * k / 255);
    }
  } else {
    for (unsigned x = 0; x < w; ++x, s += 3) out[x] = Rgb(s[0], s[1], s[2]);
  }
}

// Runs body on a decompressor that has read the header of data; 0, or the
// library's message number when it failed. A failure jumps back here, so body
// must hold nothing that needs destroying.
template <typename Body>
int WithHeader(std::span<const std::uint8_t> data, Body&& body) {
  jpeg_decompress_struct c{};
  ErrorManager errors{};
  InitErrors(errors);
  c.err = &errors.pub;
  if (setjmp(errors.jump)) {
    const int code = errors.pub.msg_code;
    jpeg_destroy_decompress(&c);
    return code;
  }
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&c, TRUE);
  body(c);
  jpeg_destroy_decompress(&c);
  return 0;
}

}  // namespace

int ScanLimit(int width, int height) {
  const long long pixels = std::max(1LL, static_cast<long long>(width) * height);
  return static_cast<int>(std::clamp(kScanPixelBudget / pixels, 1LL, static_cast<long long>(kMaxScans)));
}

int CountScans(std::span<const std::uint8_t> data) {
  constexpr std::uint8_t kSos = 0xDA, kEoi = 0xD9, kRst0 = 0xD0, kRst7 = 0xD7, kTem = 0x01;
  int scans = 0;
  std::size_t i = 0;
  const std::size_t n = data.size();
  while (i + 1 < n) {
    // Anything between segments is skipped up to the next marker.
    if (data[i] != 0xFF || data[i + 1] == 0xFF || data[i + 1] == 0x00) {
      ++i;
      continue;
    }
    const std::uint8_t marker = data[i + 1];
    i += 2;
    if (marker == kEoi) break;
    if (marker == kTem || (marker >= kRst0 && marker <= kRst7) || marker == 0xD8) continue;  // no length
    if (i + 2 > n) break;
    const std::size_t length = static_cast<std::size_t>(data[i]) << 8 | data[i + 1];
    if (length < 2) break;
    i += length;
    if (marker != kSos) continue;
    ++scans;
    // The entropy-coded data: stuffed 0xFF 0x00 and restart markers belong to it.
    while (i + 1 < n && !(data[i] == 0xFF && data[i + 1] != 0x00 && data[i + 1] != 0xFF &&
                          !(data[i + 1] >= kRst0 && data[i + 1] <= kRst7)))
      ++i;
  }
  return scans;
}

int ReadHeader(std::span<const std::uint8_t> data, Header& header) {
  return WithHeader(data, [&](jpeg_decompress_struct& c) {
    header.width = static_cast<int>(c.image_width);
    header.height = static_cast<int>(c.image_height);
    header.grayscale = c.jpeg_color_space == JCS_GRAYSCALE;
    header.progressive = jpeg_has_multiple_scans(&c);
    header.scans = CountScans(data);
    if (header.scans > ScanLimit(header.width, header.height)) ERREXIT(&c, JERR_BAD_SCAN_SCRIPT);
  });
}

int OutputSize(std::span<const std::uint8_t> data, const DecodeOptions& options, int& width, int& height) {
  return WithHeader(data, [&](jpeg_decompress_struct& c) {
    Configure(c, options);
    width = static_cast<int>(c.output_width);
    height = static_cast<int>(c.output_height);
  });
}

int Decode(std::span<const std::uint8_t> data, const DecodeOptions& options, int width, int height, RowSink row,
           void* context) {
  ScanGuard guard{{}, 0};
  return WithHeader(data, [&](jpeg_decompress_struct& c) {
    guard.pub.progress_monitor = CheckScan;
    guard.limit = ScanLimit(static_cast<int>(c.image_width), static_cast<int>(c.image_height));
    c.progress = &guard.pub;
    Configure(c, options);
    if (static_cast<int>(c.output_width) != width || static_cast<int>(c.output_height) != height)
      ERREXIT(&c, JERR_BAD_BUFFER_MODE);  // not the size the caller made room for
    jpeg_start_decompress(&c);
    JSAMPARRAY samples = (*c.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&c), JPOOL_IMAGE,
                                                c.output_width * static_cast<unsigned>(c.output_components), 1);
    // One row of pixels, from libjpeg's pool, so nothing needs destroying on a jump.
    auto* pixels = reinterpret_cast<std::uint32_t*>((*c.mem->alloc_large)(
        reinterpret_cast<j_common_ptr>(&c), JPOOL_IMAGE, sizeof(std::uint32_t) * c.output_width));
    while (c.output_scanline < c.output_height) {
      const int y = static_cast<int>(c.output_scanline);
      if (jpeg_read_scanlines(&c, samples, 1) != 1) break;
      ConvertRow(c, samples[0], pixels);
      row(context, y, pixels, width);
    }
    jpeg_finish_decompress(&c);
  });
}

int Encode(int width, int height, RowSource rows, void* context, int quality, bool progressive, bool grayscale,
           std::vector<std::uint8_t>& out) {
  if (width <= 0 || height <= 0 || !rows) return JERR_EMPTY_IMAGE;
  jpeg_compress_struct c{};
  ErrorManager errors{};
  InitErrors(errors);
  c.err = &errors.pub;
  // The file is written into one buffer sized for a full-colour picture at
  // high quality, so it is seldom grown (each growth copies all written so
  // far); libjpeg frees nothing of ours, so the first buffer is kept to free.
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  unsigned long size = static_cast<unsigned long>(std::min<std::size_t>(pixels, std::size_t{16} << 20) + 4096);
  unsigned char* const first = static_cast<unsigned char*>(std::malloc(size));
  unsigned char* buffer = first;
  if (!buffer) size = 0;
  auto release = [&] {
    if (buffer != first) std::free(buffer);
    std::free(first);
  };
  if (setjmp(errors.jump)) {
    const int code = errors.pub.msg_code;
    jpeg_destroy_compress(&c);
    release();
    return code;
  }
  jpeg_create_compress(&c);
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = static_cast<JDIMENSION>(width);
  c.image_height = static_cast<JDIMENSION>(height);
  // 0x00RRGGBB pixels lie in memory as blue, green, red, unused: libjpeg reads
  // the rows as they come, with no conversion of ours.
  static_assert(std::endian::native == std::endian::little);
  c.input_components = 4;
  c.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  // Screen pixels, 96 to the inch, as the PNG and BMP files say: an office
  // document places the picture at the chart's size, not at 72 dpi.
  c.density_unit = 1;
  c.X_density = c.Y_density = 96;
  if (grayscale) jpeg_set_colorspace(&c, JCS_GRAYSCALE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  JSAMPARRAY row = (*c.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&c), JPOOL_IMAGE,
                                          static_cast<JDIMENSION>(width) * 4, 1);
  auto* const pixelRow = reinterpret_cast<std::uint32_t*>(row[0]);
  while (c.next_scanline < c.image_height) {
    rows(context, static_cast<int>(c.next_scanline), pixelRow, width);
    jpeg_write_scanlines(&c, row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  // No libjpeg call follows: a failing copy may throw, once the buffers are freed.
  struct FreeBuffers {
    decltype(release)& free;
    ~FreeBuffers() { free(); }
  } owner{release};
  out.assign(buffer, buffer + size);
  return 0;
}

}  // namespace pg::engine::jpeg
