// Measuring and drawing marks: the loop over a series' points and one mark's
// arrow, box and text.
#include <algorithm>

#include "engine/panel/chart.h"
#include "engine/series/chart_series.h"
#include "engine/series/series_marks.h"
#include "framework/arith.h"

namespace pg::engine {

TMarkFontMeasures TSeriesMarks::MeasureFont(TCanvas3D& canvas) {
  return TMarkFontMeasures{canvas.MeasureTextWidth("W"), canvas.LineHeight()};
}

void TSeriesMarks::MeasureBox(TCanvas3D& canvas, const TMarkFontMeasures& font, std::string_view text,
                              TSeriesMarkPosition& position) const {
  int width = 0, lines = 0;
  ForEachMarkLine(text, [&](std::string_view line) {
    width = std::max(width, canvas.MeasureTextWidth(line));
    ++lines;
  });
  width += font.wWidth;
  const int height = lines * font.lineHeight;
  position.boxWidth = width + 2 * FrameRoom();
  position.boxHeight = height + 2 * FrameRoom();
}

void TSeriesMarks::DrawMark(TCustomChart& chart, const TMarkFontMeasures& font, int index, std::string_view text,
                            TColor pointColour, TSeriesMarkPosition position) {
  auto& c = chart.Canvas();
  TSeriesMarkPosition& stored = PositionAt(index);
  if (stored.isCustom)
    position = stored;
  else
    stored = position;

  if (arrow_.Visible()) {
    c.UseChartPen(arrow_);
    c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
    // An arrow in the slice's or the panel's colour would vanish.
    const TColor pen = arrow_.Color();
    if (pen == pointColour || pen == chart.Color()) {
      platform::Pen p = c.Pen();
      p.color = chart.Color() == clBlack ? clWhite : clBlack;
      c.SetPen(p);
    }
    const auto& a = position.anchorPoint;
    const auto& l = position.labelPoint;
    if (chart.View3D())
      c.LineAtDepth(a.x, a.y, l.x, l.y, zPosition_);
    else
      c.FlatLine(a.x, a.y, l.x, l.y);
  }

  // The box itself is drawn flat, moved with its projected label point.
  if (chart.View3D()) {
    const platform::TPoint p = c.ProjectPoint(position.labelPoint.x, position.labelPoint.y, zPosition_);
    position.boxLeft = p.x + (position.boxLeft - position.labelPoint.x);
    position.boxTop = p.y - (position.labelPoint.y - position.boxTop);
  }
  if (frame_.Visible() || !transparent_) {
    c.SetBrush(platform::Brush{transparent_ ? BrushStyle::bsClear : BrushStyle::bsSolid, backColor_, nullptr});
    c.UseChartPen(frame_);
    c.FlatRectangle(position.boxLeft, position.boxTop, position.boxLeft + position.boxWidth,
                    position.boxTop + position.boxHeight);
    position.boxTop += FrameRoom();  // the text starts below the frame
  }

  c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
  c.SetBackgroundMode(platform::kTransparent);
  c.SetTextAlignment(platform::kTaCenter | platform::kTaTop);
  const int lineHeight = font.lineHeight;
  const int x = position.boxLeft + Div(position.boxWidth, 2);
  int y = position.boxTop;
  ForEachMarkLine(text, [&](std::string_view line) {
    c.FlatTextOut(x, y, line);
    y += lineHeight;
  });
  c.SetTextAlignment(platform::kTaLeft | platform::kTaTop);
}

void TChartSeries::DrawMarks() {
  auto* chart = dynamic_cast<TCustomChart*>(ParentChart());
  if (!chart) return;
  auto& c = chart->Canvas();
  auto& marks = Marks();
  // Measuring the widest mark composed the texts earlier in this paint, if the
  // series measures it.
  if (!markTextsComposed_ || markTextEnds_.size() != static_cast<std::size_t>(PointCount())) ComposeMarkTexts();
  TFontSpec font = marks.Font().Value();
  if (chart->View3D() && chart->View3DOptions().ZoomText())
    font.size = std::max(1, Round(font.size * 0.01 * chart->View3DOptions().Zoom()));
  bool fontSelected = false;
  TMarkFontMeasures measures;
  const bool clip = marks.Clip();
  if (clip) c.ClipChartBox(chart->PlotRect(), 0, chart->ChartDepth());
  for (int i = 0; i < PointCount(); ++i) {
    const TColor colour = PointColor(i);
    if (colour == clNone) continue;
    const std::string_view text = ComposedMarkText(i);
    if (text.empty()) continue;
    // Selected once, at the first mark: nothing in between selects another.
    if (!fontSelected) {
      chart->UseFont(font);
      measures = TSeriesMarks::MeasureFont(c);
      fontSelected = true;
    }
    TSeriesMarkPosition position;
    marks.MeasureBox(c, measures, text, position);
    if (PlaceMark(i, measures, position)) marks.DrawMark(*chart, measures, i, text, colour, position);
  }
  if (clip) c.Unclip();
  markTextsComposed_ = false;
}

}  // namespace pg::engine
