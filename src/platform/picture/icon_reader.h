#pragma once
// The picture of an icon file as Windows makes it: the directory's first entry
// (what the Windows build hands to CreateIconFromResourceEx), as a bitmap with
// its mask or as a PNG, brought to the size the directory gives it.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pg::platform {

struct IconImage {
  int width = 0;   // the directory's size (0 there meaning 256)
  int height = 0;
  // Drawn by its alpha: `colour` holds premultiplied 0xAARRGGBB and the mask
  // is not used. Otherwise what is below is ANDed with `mask` (0xFFFFFF where
  // it shows, 0 where not) and XORed with `colour` (0x00RRGGBB).
  bool alpha = false;
  std::vector<std::uint32_t> colour;
  std::vector<std::uint32_t> mask;
};

// Empty when ReadIconLayout refuses the file or its entry cannot be read.
std::optional<IconImage> ReadIconFile(std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
