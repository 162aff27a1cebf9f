// The colour box of a legend item, drawn by the series it stands for.
#include "engine/legend/custom_chart_legend.h"
#include "engine/panel/chart.h"
#include "engine/series/chart_series.h"

namespace pg::engine {

void TCustomChartLegend::DrawSymbol(TChartSeries* series, int valueIndex, const platform::TRect& box) {
  auto& c = chart_.Canvas();
  if (!series) {
    c.SetBrush(platform::Brush{BrushStyle::bsSolid, clWhite, nullptr});
    c.FlatRectangle(box);
    return;
  }
  TColor colour;
  if (valueIndex < 0) {
    // A series whose points have colours of their own has no single colour.
    if (series->ColorEachPoint()) return;
    colour = series->SeriesColor();
  } else {
    colour = series->PointColor(valueIndex);
  }
  if (colour == clNone) return;
  TColor back = legendBackColour_;
  BrushStyle style = BrushStyle::bsSolid;
  series->PrepareLegendSymbol(valueIndex, back, style);
  if (back == clDefault) back = legendBackColour_ != clDefault ? legendBackColour_ : chart_.Color();
  chart_.UseBrush(colour, style, back);
  c.FlatRectangle(box);
  if (colour == legendBackColour_) {
    // A box in the legend's own colour gets a second outline so it stays visible.
    const platform::Pen pen = c.Pen();
    c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
    if (colour == clBlack) {
      platform::Pen white = pen;
      white.color = clWhite;
      c.SetPen(white);
    }
    c.FlatRectangle(box);
    c.SetPen(pen);
  }
}

}  // namespace pg::engine
