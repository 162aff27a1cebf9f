#pragma once
// An off-screen picture of 32 or 1 bit per pixel with a device context drawing
// into it. A 1-bit bitmap holds only black and white: colours drawn into it are
// reduced as GDI reduces them for a black-and-white DIB section.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/device_context.h"

namespace pg::platform {

class Bitmap {
 public:
  // A new bitmap is white. Sizes below 1, or too large to allocate, give an empty
  // bitmap (0 x 0) whose device context draws nothing. Bits other than 1 mean 32.
  Bitmap(int width, int height, int bitsPerPixel = 32);
  static constexpr int kMaxSide = 32767;
  static constexpr long long kMaxPixels = 1LL << 26;
  static constexpr bool SizeAllowed(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           static_cast<long long>(width) * height <= kMaxPixels;
  }
  // The largest top-left part of width x height that a bitmap can hold; 0 x 0
  // when either side is below 1.
  static constexpr void FitAllowedSize(int& width, int& height) {
    if (width <= 0 || height <= 0) {
      width = height = 0;
      return;
    }
    width = width < kMaxSide ? width : kMaxSide;
    height = height < kMaxSide ? height : kMaxSide;
    if (static_cast<long long>(width) * height > kMaxPixels) height = static_cast<int>(kMaxPixels / width);
  }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  ~Bitmap();

  int Width() const;
  int Height() const;
  int BitsPerPixel() const;  // 32 or 1
  bool Empty() const { return Width() == 0 || Height() == 0; }

  DeviceContext& Dc();
  const DeviceContext& Dc() const;

  // 0x00RRGGBB; 0 outside the bitmap.
  std::uint32_t Pixel(int x, int y) const;

  // Windows BMP: 24-bit for colour bitmaps, 1-bit (black/white palette) for mono.
  // An existing file is overwritten; false when the file cannot be written.
  bool SaveBmp(const std::string& path) const;
  // PNG, 8-bit RGB; false for an empty bitmap, which PNG cannot hold.
  bool SavePng(const std::string& path) const;

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace pg::platform
