#include "engine/canvas/canvas3d.h"

#include "engine/core/chart_pen.h"

namespace pg::engine {

void TCanvas3D::ResetCanvas() {
  SetPen(platform::Pen{});
  SetBrush(platform::Brush{platform::BrushStyle::bsSolid, clWhite, nullptr});
  TFontSpec f = Font();
  f.color = clBlack;
  f.size = 10;
  SetFont(f);
  SetBackgroundColour(clWhite);
  SetBackgroundMode(platform::kTransparent);
}

void TCanvas3D::UseChartPen(const TChartPen& pen) {
  platform::Pen p = Pen();
  if (!pen.Visible()) {
    p.style = platform::PenStyle::psClear;
  } else {
    p.color = pen.Color();
    p.width = pen.Width();
    p.style = pen.Style();
    p.mode = pen.Mode();
    // A one-pixel small-dots pen sets every other pixel.
    if (pen.SmallDots() && pen.Width() == 1) p.style = platform::PenStyle::psAlternate;
  }
  SetPen(p);
}

}  // namespace pg::engine
