#include "platform/soft/picture/picture_compose.h"

#include "platform/bitmap.h"
#include "platform/picture_pixels.h"
#include "platform/soft/picture/picture_blend.h"
#include "platform/soft/soft_device_context.h"
#include "platform/stretch_steps.h"

namespace pg::platform::soft {

namespace {

std::vector<int> Steps(int from, int count, int origin, int tile, int source, bool across) {
  std::vector<int> out(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    out[static_cast<std::size_t>(i)] =
        StretchSourceStep((static_cast<long long>(from) + i - origin) % tile, tile, source, across);
  return out;
}

}  // namespace

ScaledArea ScaleOnto(DeviceContext& dc, const TRect& covered, TPoint origin, int tileWidth, int tileHeight,
                     int sourceWidth, int sourceHeight) {
  ScaledArea s;
  if (tileWidth <= 0 || tileHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return s;
  s.area = VisiblePart(dc, covered);
  if (s.area.Width() <= 0 || s.area.left < origin.x || s.area.top < origin.y) return ScaledArea{};
  s.cols = Steps(s.area.left, s.area.Width(), origin.x, tileWidth, sourceWidth, true);
  s.rows = Steps(s.area.top, s.area.Height(), origin.y, tileHeight, sourceHeight, false);
  return s;
}

void ComposeOnto(DeviceContext& dc, const TRect& area, const ComposeRow& row) {
  const int w = area.Width(), h = area.Height();
  auto* soft = dynamic_cast<SoftDeviceContext*>(&dc);
  if (!soft || w <= 0 || h <= 0) return;
  Bitmap layer(w, h);
  if (layer.Empty()) return;
  Surface& surface = soft->Target();
  for (int y = 0; y < h; ++y) {
    const auto out = BitmapRowPixels(layer, y);
    row(y, surface.Row(area.top + y) + area.left, out.data());
  }
  dc.BitBlt(area.left, area.top, w, h, layer, 0, 0, BlitRop::kSrcCopy);
}

void ScaledPicture::Draw(DeviceContext& dc, const TRect& dest) const {
  const ScaledArea s = ScaleOnto(dc, dest, TPoint{dest.left, dest.top}, dest.Width(), dest.Height(), width_, height_);
  if (!s.cols.empty()) Compose(dc, s);
}

void ScaledPicture::DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const {
  if (tileWidth <= 0 || tileHeight <= 0) return;
  const ScaledArea s = ScaleOnto(dc, TiledExtent(area, tileWidth, tileHeight), TPoint{area.left, area.top}, tileWidth,
                                 tileHeight, width_, height_);
  if (!s.cols.empty()) Compose(dc, s);
}

}  // namespace pg::platform::soft
