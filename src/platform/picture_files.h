#pragma once
// Picture files the platform reads itself: Windows bitmaps, icons and both kinds
// of metafile. A decoded picture knows its natural extent and draws itself
// scaled into a rectangle of any device context, within that context's clip.
#include <cstdint>
#include <functional>
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
  // Copies at tileWidth x tileHeight, the first at area's top left, row after
  // row while they start inside area. Pictures that are slow to draw render one
  // copy and repeat its pixels.
  virtual void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const;
  // Plays the picture's own drawing records onto dc scaled to dest, as they
  // are, what is worked out pixel by pixel kept to `page` from (0, 0); false
  // for pictures made of pixels, which draw nothing here.
  virtual bool PlayRecords(DeviceContext& /*dc*/, const TRect& /*dest*/, TSize /*page*/) const { return false; }

 protected:
  PictureImage() = default;
};

// What the copies of DrawTiled cover: area grown to whole copies to the right
// and down (tile sizes positive).
TRect TiledExtent(const TRect& area, int tileWidth, int tileHeight);

// The tiles of DrawTiled that meet bounds, in order; none when a tile size is
// not positive. Edges beyond the integer range are held at its end.
void ForEachTile(const TRect& area, int tileWidth, int tileHeight, const TRect& bounds,
                 const std::function<void(const TRect&)>& draw);

// Draw and DrawTiled for any context: a context that records drawing gets a
// metafile's own records (so it stays vectors) and any other picture as one
// bitmap of the part inside the recording.
void DrawPicture(const PictureImage& picture, DeviceContext& dc, const TRect& dest);
void DrawPictureTiled(const PictureImage& picture, DeviceContext& dc, const TRect& area, int tileWidth,
                      int tileHeight);

// Null when the bytes are not a readable picture of that format, or one too
// large to hold (Bitmap::SizeAllowed).
std::unique_ptr<PictureImage> DecodePicture(PictureFormat format, std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
