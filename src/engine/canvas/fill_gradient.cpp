// Gradient fills: bands whose boundaries fall at MulDiv steps, so a gradient
// looks the same at any size and never has more than 256 bands.
#include <algorithm>

#include "engine/canvas/canvas3d.h"
#include "framework/arith.h"

namespace pg::engine {

void TCanvas3D::FillGradient(TRect r, TColor colourA, TColor colourB, TGradientDirection direction) {
  using D = TGradientDirection;
  if (direction != D::gdTopBottom && direction != D::gdLeftRight) std::swap(colourA, colourB);
  const TColor a = platform::ColorToRgb(colourA), b = platform::ColorToRgb(colourB);
  const int r0 = platform::RedOf(a), g0 = platform::GreenOf(a), b0 = platform::BlueOf(a);
  const int dr = platform::RedOf(b) - r0, dg = platform::GreenOf(b) - g0, db = platform::BlueOf(b) - b0;
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  const int w = r.Width(), h = r.Height();

  const platform::Brush saved = Brush();
  bool haveColour = false;
  TColor last = 0;
  auto useStep = [&](int k, int n) {
    const TColor c = n == 0 ? a
                            : platform::Rgb((r0 + MulDiv(k, dr, n)) & 0xFF, (g0 + MulDiv(k, dg, n)) & 0xFF,
                                            (b0 + MulDiv(k, db, n)) & 0xFF);
    if (!haveColour || c != last) {
      SetBrush(platform::Brush{platform::BrushStyle::bsSolid, c, nullptr});
      last = c;
      haveColour = true;
    }
  };
  auto fill = [&](int left, int top, int right, int bottom) {
    if (right > left && bottom > top) FillRectangle(TRect{left, top, right, bottom});
  };

  switch (direction) {
    case D::gdTopBottom:
    case D::gdBottomTop: {
      const int bands = std::min(h, 256);
      for (int k = 0; k < bands; ++k) {
        useStep(k, bands - 1);
        fill(r.left, r.bottom - MulDiv(k + 1, h, bands), r.right, r.bottom - MulDiv(k, h, bands));
      }
      break;
    }
    case D::gdLeftRight:
    case D::gdRightLeft: {
      const int bands = std::min(w, 256);
      for (int k = 0; k < bands; ++k) {
        useStep(k, bands - 1);
        fill(r.right - MulDiv(k + 1, w, bands), r.top, r.right - MulDiv(k, w, bands), r.bottom);
      }
      break;
    }
    case D::gdFromCenter: {
      const int hw = Div(w, 2), hh = Div(h, 2);
      int x = 0, y = 0;
      do {
        useStep(x + y, hw + hh);
        fill(r.left + x, r.top + y, r.left + x + 1, r.top + h - y);
        fill(r.right - x - 1, r.top + y, r.right - x, r.top + h - y);
        fill(r.left + x, r.top + y, r.left + w - x, r.top + y + 1);
        fill(r.left + x, r.bottom - y - 1, r.left + w - x, r.bottom - y);
        if (y < hh) ++y;
        if (x < hw) ++x;
      } while (x < hw || y < hh);
      break;
    }
    case D::gdFromTopLeft:
    case D::gdFromBottomLeft: {
      const bool fromTop = direction == D::gdFromTopLeft;
      int i = 0, j = 0, row = fromTop ? r.top : r.bottom;
      do {
        useStep(i + j, w + h);
        if (fromTop)
          fill(r.left + i, r.top, r.left + i + 1, row);
        else
          fill(r.left + i, row, r.left + i + 1, r.bottom);
        if (j < h) {
          ++j;
          const int y = fromTop ? row : row - 1;
          fill(r.left, y, r.left + i + 1, y + 1);
          if (fromTop && row < r.bottom) ++row;
          if (!fromTop && row > r.top) --row;
        }
        if (i < w) ++i;
      } while (j < h || i < w);
      break;
    }
  }
  SetBrush(saved);
}

}  // namespace pg::engine
