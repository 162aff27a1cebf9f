#pragma once
// A font as the module's parameters describe it: face, colour, size in points,
// style flags and character set. A plain value; drawing objects copy from it.
#include <cstdint>
#include <string>

#include "framework/colour.h"

namespace pg {

inline constexpr std::uint8_t fsBold = 1;
inline constexpr std::uint8_t fsItalic = 2;
inline constexpr std::uint8_t fsUnderline = 4;
inline constexpr std::uint8_t fsStrikeOut = 8;

struct TFontSpec {
  std::string name;
  TColor color = clBlack;
  int size = 0;
  std::uint8_t styles = 0;  // fsBold | fsItalic | fsUnderline | fsStrikeOut
  std::uint8_t charset = 0;

  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

}  // namespace pg
