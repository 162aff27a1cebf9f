#pragma once
// How colours land in a 1-bit bitmap, as GDI reduces them for a black-and-white
// DIB section: copied pixels and single pixels become the nearer of black and
// white; pens, brushes and text keep black and white, turn the background colour
// into the background's nearer pixel and every other colour into the other one.
#include <cstdint>

namespace pg::platform::soft {

// Colours are 0x00RRGGBB.
std::uint32_t ReduceDrawColor(std::uint32_t color, std::uint32_t background);
std::uint32_t ReduceCopiedColor(std::uint32_t color);

}  // namespace pg::platform::soft
