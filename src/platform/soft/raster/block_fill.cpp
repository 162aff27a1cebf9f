#include "platform/soft/raster/block_fill.h"

#include <algorithm>
#include <cstring>

namespace pg::platform::soft {

void PaintBlock(Surface& surface, const TRect& box, const PaintSource& source, int rop2, const Coverage* clip) {
  const int top = std::max(box.top, 0), bottom = std::min(box.bottom, surface.Height());
  const int left = std::max(box.left, 0), right = std::min(box.right, surface.Width());
  if (top >= bottom || left >= right) return;
  if (clip || rop2 != kRopCopy || source.kind != PaintSource::Kind::kSolid) {
    for (int y = top; y < bottom; ++y) PaintSpan(surface, y, left, right, source, rop2, clip);
    return;
  }
  PaintSpan(surface, top, left, right, source, rop2, nullptr);
  const std::uint32_t* first = surface.Row(top) + left;
  const auto bytes = static_cast<std::size_t>(right - left) * sizeof *first;
  for (int y = top + 1; y < bottom; ++y) std::memcpy(surface.Row(y) + left, first, bytes);
}

}  // namespace pg::platform::soft
