#pragma once
// Picture files the platform reads itself: Windows bitmaps, icons and both kinds
// of metafile. A decoded picture knows its natural extent and draws itself
// scaled into a rectangle of any device context, within that context's clip.
#include <cstdint>
#include <memory>
#include <span>

#include "platform/device_context.h"

namespace pg::platform {

enum class PictureFormat { kBitmap, kIcon, kEnhancedMetafile, kWindowsMetafile };

// A picture's size: pixels when unitsPerInch is 0, otherwise units of which
// unitsPerInch make an inch (metafiles measure themselves in physical units).
struct PictureExtent {
  int width = 0;
  int height = 0;
  int unitsPerInch = 0;
  friend bool operator==(const PictureExtent&, const PictureExtent&) = default;
};

class PictureImage {
 public:
  PictureImage(const PictureImage&) = delete;
  PictureImage& operator=(const PictureImage&) = delete;
  virtual ~PictureImage() = default;

  virtual PictureExtent Extent() const = 0;
  // Scaled to dest; draws nothing for an empty or inverted dest. Transparent
  // parts (icon masks, what a metafile leaves unpainted) keep what is below.
  virtual void Draw(DeviceContext& dc, const TRect& dest) const = 0;

 protected:
  PictureImage() = default;
};

// Null when the bytes are not a readable picture of that format, or one too
// large to hold (Bitmap::SizeAllowed).
std::unique_ptr<PictureImage> DecodePicture(PictureFormat format, std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
