#include "platform/soft/picture/picture_blend.h"

#include <algorithm>
#include <vector>

#include "platform/bitmap.h"
#include "platform/picture_pixels.h"
#include "platform/soft/soft_device_context.h"

namespace pg::platform::soft {

TRect VisiblePart(DeviceContext& dc, const TRect& dest) {
  auto* soft = dynamic_cast<SoftDeviceContext*>(&dc);
  if (!soft || dest.Width() <= 0 || dest.Height() <= 0) return TRect{};
  const TRect b = soft->Target().Bounds();
  const TRect r{std::max(dest.left, b.left), std::max(dest.top, b.top), std::min(dest.right, b.right),
                std::min(dest.bottom, b.bottom)};
  return r.Width() > 0 && r.Height() > 0 ? r : TRect{};
}

void BlendOnto(DeviceContext& dc, const TRect& area, const std::function<std::uint32_t(int x, int y)>& source) {
  const int w = area.Width(), h = area.Height();
  if (w <= 0 || h <= 0) return;
  Bitmap layer(w, h);
  if (layer.Empty()) return;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t s = source(x, y), a = s >> 24;
      if (a == 255) {
        row[static_cast<std::size_t>(x)] = s & 0xFFFFFFu;
        continue;
      }
      const std::uint32_t d = dc.GetPixel(area.left + x, area.top + y);
      std::uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t sc = (s >> shift) & 0xFF, dcn = (d >> shift) & 0xFF;
        out |= std::min<std::uint32_t>(255, sc + (dcn * (255 - a) + 127) / 255) << shift;
      }
      row[static_cast<std::size_t>(x)] = out;
    }
    WriteBitmapRow(layer, y, row);
  }
  dc.BitBlt(area.left, area.top, w, h, layer, 0, 0, BlitRop::kSrcCopy);
}

}  // namespace pg::platform::soft
