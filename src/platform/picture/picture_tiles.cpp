#include <algorithm>
#include <limits>

#include "platform/picture_files.h"

namespace pg::platform {

namespace {
constexpr long long kMaxEdge = std::numeric_limits<int>::max();
}  // namespace

void ForEachTile(const TRect& area, int tileWidth, int tileHeight, const TRect& bounds,
                 const std::function<void(const TRect&)>& draw) {
  if (tileWidth <= 0 || tileHeight <= 0) return;
  const auto edge = [](long long v) { return static_cast<int>(std::min(v, kMaxEdge)); };
  // The first tile that reaches into bounds, so far-off areas cost nothing.
  const auto first = [](long long from, long long to, long long step) {
    return to > from ? from + (to - from) / step * step : from;
  };
  const long long right = std::min<long long>(area.right, bounds.right),
                  bottom = std::min<long long>(area.bottom, bounds.bottom);
  for (long long y = first(area.top, bounds.top, tileHeight); y < bottom; y += tileHeight)
    for (long long x = first(area.left, bounds.left, tileWidth); x < right; x += tileWidth)
      draw(TRect{static_cast<int>(x), static_cast<int>(y), edge(x + tileWidth), edge(y + tileHeight)});
}

TRect TiledExtent(const TRect& area, int tileWidth, int tileHeight) {
  const auto grown = [](long long from, long long to, long long step) {
    const long long span = std::max(0LL, to - from);
    return static_cast<int>(std::min(from + (span + step - 1) / step * step, kMaxEdge));
  };
  return TRect{area.left, area.top, grown(area.left, area.right, tileWidth), grown(area.top, area.bottom, tileHeight)};
}

void PictureImage::DrawTiled(DeviceContext& dc, const TRect& area, int tileWidth, int tileHeight) const {
  ForEachTile(area, tileWidth, tileHeight, area, [&](const TRect& tile) { Draw(dc, tile); });
}

}  // namespace pg::platform
