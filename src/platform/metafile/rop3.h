#pragma once
// GDI's ternary raster operations: the operation's code (bits 16..23 of the
// ROP value) is a truth table indexed by the pattern, source and destination
// bits (P << 2 | S << 1 | D), applied to every bit of the three colours.
#include <cstdint>

namespace pg::platform::metafile {

inline std::uint32_t Rop3(std::uint32_t rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) {
  const std::uint32_t code = (rop >> 16) & 0xFF;
  std::uint32_t out = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!((code >> i) & 1)) continue;
    out |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
  }
  return out & 0xFFFFFF;
}

// Whether the operation's result depends on the source, and on the destination.
inline bool RopUsesSource(std::uint32_t rop) {
  const std::uint32_t code = (rop >> 16) & 0xFF;
  return ((code >> 2) ^ code) & 0x33;
}
inline bool RopUsesDest(std::uint32_t rop) {
  const std::uint32_t code = (rop >> 16) & 0xFF;
  return ((code >> 1) ^ code) & 0x55;
}

}  // namespace pg::platform::metafile
