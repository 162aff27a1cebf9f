#pragma once
// The colours that points without a colour of their own take, by point index.
#include <array>

#include "framework/colour.h"

namespace pg::engine {

inline constexpr std::array<TColor, 16> ColorPalette = {
    clRed,  clGreen,  clYellow, clBlue,  clWhite, clGray,   clFuchsia, clTeal,
    clNavy, clMaroon, clLime,   clOlive, clPurple, clSilver, clAqua,   clBlack,
};

// The palette colour of a point index; the palette repeats every 16 points.
constexpr TColor PaletteColor(int index) {
  const int slot = index % static_cast<int>(ColorPalette.size());
  return ColorPalette[static_cast<std::size_t>(slot < 0 ? slot + 16 : slot)];
}

}  // namespace pg::engine
