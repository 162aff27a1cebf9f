#pragma once
// Folder rule — win32/picture: the Windows build's pictures decoded and drawn by GDI; may
// include win32/, windows.h, the shared picture/ and metafile/ folders and the platform
// interface.
// The Windows build's readers of each picture format: GDI decodes, after the
// headers have been checked against the file's length so that GDI never reads
// past the end of it (all null on bytes they cannot read).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "platform/device_context.h"
#include "platform/picture_files.h"

namespace pg::platform::win32 {

std::unique_ptr<PictureImage> DecodeBitmapFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeIconFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeEmfFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> bytes);

// The device context's handle, for pictures GDI draws itself; null for a
// destination GDI cannot reach or one too large to draw.
HDC DrawingHandle(DeviceContext& dc, const TRect& dest);

}  // namespace pg::platform::win32
