#pragma once
// Pictures that hold their own pixels (bitmap files, icons) land on a soft
// surface one row at a time: each destination pixel takes the source pixel
// GDI's stretch picks, computed only over what the surface can show, and the
// rows reach the context through its own bitmap copy, so its clip and colour
// reduction apply.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/device_context.h"
#include "platform/picture_files.h"

namespace pg::platform::soft {

struct ScaledArea {
  TRect area;             // what of the copies the surface shows
  std::vector<int> cols;  // source column of each of area's columns
  std::vector<int> rows;  // source row of each of area's rows
};

// Copies of tileWidth x tileHeight pixels, each a source of sourceWidth x
// sourceHeight stretched, repeated from `origin` over `covered` (one copy: covered
// is that copy's rectangle). An empty area when nothing shows.
ScaledArea ScaleOnto(DeviceContext& dc, const TRect& covered, TPoint origin, int tileWidth, int tileHeight,
                     int sourceWidth, int sourceHeight);

// Fills row y of area (out, area's width) from what the surface holds there
// (below), then lands the rows on dc.
using ComposeRow = std::function<void(int y, const std::uint32_t* below, std::uint32_t* out)>;
void ComposeOnto(DeviceContext& dc, const TRect& area, const ComposeRow& row);

// A picture of width x height pixels of its own, drawn and tiled in one pass
// over what shows; subclasses fill the rows.
class ScaledPicture : public PictureImage {
 public:
  PictureExtent Extent() const override { return PictureExtent{width_, height_, 0}; }
  void Draw(DeviceContext& dc, const TRect& dest) const override;
  // A small picture tiled over a large chart costs about what one large copy does.
  void DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const override;

 protected:
  ScaledPicture(int width, int height) : width_(width), height_(height) {}
  virtual void Compose(DeviceContext& dc, const ScaledArea& s) const = 0;

 private:
  int width_, height_;
};

}  // namespace pg::platform::soft
