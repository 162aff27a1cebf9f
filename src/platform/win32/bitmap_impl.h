#pragma once
// A bitmap of the Windows build: a top-down DIB section selected into its own
// memory DC.
#include <windows.h>

#include <memory>

#include "platform/bitmap.h"
#include "platform/win32/gdi_device_context.h"

namespace pg::platform {

struct Bitmap::Impl {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ original = nullptr;
  const std::uint8_t* bits = nullptr;
  int stride = 0;
  std::unique_ptr<win32::GdiDeviceContext> context;
};

}  // namespace pg::platform
