#pragma once
// What a picture played twice, once on black and once on white, covers: the
// premultiplied 0xAARRGGBB pixel of the two plays' 0x00RRGGBB pixels. What
// shows through on white is what the picture leaves uncovered.
#include <algorithm>
#include <cstdint>

namespace pg::platform {

inline std::uint32_t CoverageOfPlays(std::uint32_t onBlack, std::uint32_t onWhite) {
  std::uint32_t a = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int through =
        static_cast<int>((onWhite >> shift) & 0xFF) - static_cast<int>((onBlack >> shift) & 0xFF);
    a = std::max<std::uint32_t>(a, static_cast<std::uint32_t>(255 - std::clamp(through, 0, 255)));
  }
  std::uint32_t c = 0;
  for (int shift = 0; shift <= 16; shift += 8) c |= std::min((onBlack >> shift) & 0xFF, a) << shift;
  return a << 24 | c;
}

}  // namespace pg::platform
