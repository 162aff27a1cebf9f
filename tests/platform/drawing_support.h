#pragma once
// Helpers of the drawing tests: pixel colours as the bitmaps report them and
// small surveys of what a drawing touched.
#include <cstdint>
#include <string>

#include "platform/bitmap.h"

namespace pg::platform::testing {

// A Color as Bitmap::Pixel reports it (0x00RRGGBB).
constexpr std::uint32_t Px(Color c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kGreen = Rgb(0, 160, 0);
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr std::uint32_t kWhitePx = 0xFFFFFF;

inline Font ArialOf(int height) {
  Font f;
  f.face = "Arial";
  f.height = height;
  return f;
}

inline Pen MakePen(PenStyle style, int width, Color color) {
  Pen p;
  p.style = style;
  p.width = width;
  p.color = color;
  return p;
}

inline Brush MakeBrush(BrushStyle style, Color color) {
  Brush b;
  b.style = style;
  b.color = color;
  return b;
}

// The smallest box holding every pixel that is not `background`; empty when none.
inline TRect InkBox(const Bitmap& b, std::uint32_t background = kWhitePx) {
  TRect r{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != background) {
        r.left = std::min(r.left, x);
        r.top = std::min(r.top, y);
        r.right = std::max(r.right, x + 1);
        r.bottom = std::max(r.bottom, y + 1);
      }
  return r.right > r.left ? r : TRect{};
}

inline int CountPixels(const Bitmap& b, std::uint32_t color) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == color;
  return n;
}

// One character per pixel of row y from x0 to x1 (exclusive): '#' for `ink`, '-'
// for `gap`, '.' for anything else.
inline std::string RowPattern(const Bitmap& b, int y, int x0, int x1, std::uint32_t ink,
                              std::uint32_t gap = 0x1000000) {
  std::string s;
  for (int x = x0; x < x1; ++x) s += b.Pixel(x, y) == ink ? '#' : b.Pixel(x, y) == gap ? '-' : '.';
  return s;
}

inline std::string ColumnPattern(const Bitmap& b, int x, int y0, int y1, std::uint32_t ink) {
  std::string s;
  for (int y = y0; y < y1; ++y) s += b.Pixel(x, y) == ink ? '#' : '.';
  return s;
}

}  // namespace pg::platform::testing
