#include "platform/image_files.h"
#include "platform/picture_file_io.h"

namespace pg::platform {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool IsWhiteish(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) > 382;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(int width, int height, int bitsPerPixel, const PixelSource& pixel) {
  if (width < 0 || height < 0) width = height = 0;
  const bool mono = bitsPerPixel == 1;
  const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) * (mono ? 1 : 24) + 31) / 32) * 4;
  const std::uint32_t paletteBytes = mono ? 8 : 0;
  const std::uint32_t offset = 14 + 40 + paletteBytes;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);

  std::vector<std::uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, mono ? 1 : 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 3780);  // 96 pixels per inch, in pixels per metre
  Put32(out, 3780);
  Put32(out, mono ? 2 : 0);
  Put32(out, 0);
  if (mono) {
    Put32(out, 0x00000000);
    Put32(out, 0x00FFFFFF);
  }
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    if (mono) {
      std::uint8_t acc = 0;
      for (int x = 0; x < width; ++x) {
        if (IsWhiteish(pixel(x, y))) acc |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        if (x % 8 == 7) {
          out.push_back(acc);
          acc = 0;
        }
      }
      if (width % 8) out.push_back(acc);
    } else {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t rgb = pixel(x, y);
        out.push_back(static_cast<std::uint8_t>(rgb));
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
      }
    }
    while (out.size() - rowStart < rowBytes) out.push_back(0);
  }
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  return WriteFileReplacing(path, bytes);
}

}  // namespace pg::platform
