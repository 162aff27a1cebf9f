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

TSeriesMarkPosition TSeriesMarks::EffectivePosition(int index, const TSeriesMarkPosition& computed) {
  TSeriesMarkPosition& stored = PositionAt(index);
  if (stored.isCustom) return stored;
  stored = computed;
  return computed;
}

void TSeriesMarks::UseArrowPen(TCustomChart& chart, TColor pointColour) {
  auto& c = chart.Canvas();
  c.UseChartPen(arrow_);
  c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
  // An arrow in the slice's or the panel's colour would vanish.
  const TColor pen = arrow_.Color();
  if (pen == pointColour || pen == chart.Color()) {
    platform::Pen p = c.Pen();
    p.color = chart.Color() == clBlack ? clWhite : clBlack;
    c.SetPen(p);
  }
}

void TSeriesMarks::DrawBoxAndText(TCustomChart& chart, const TMarkFontMeasures& font, std::string_view text, int left,
                                  int top, int width, int height) {
  auto& c = chart.Canvas();
  if (frame_.Visible() || !transparent_) {
    c.SetBrush(platform::Brush{transparent_ ? BrushStyle::bsClear : BrushStyle::bsSolid, backColor_, nullptr});
    c.UseChartPen(frame_);
    c.FlatRectangle(left, top, left + width, top + height);
    top += FrameRoom();  // the text starts below the frame
  }

  c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
  c.SetBackgroundMode(platform::kTransparent);
  c.SetTextAlignment(platform::kTaCenter | platform::kTaTop);
  const int lineHeight = font.lineHeight;
  const int x = left + Div(width, 2);
  int y = top;
  ForEachMarkLine(text, [&](std::string_view line) {
    c.FlatTextOut(x, y, line);
    y += lineHeight;
  });
  c.SetTextAlignment(platform::kTaLeft | platform::kTaTop);
}

TMarkLayoutInput TSeriesMarks::OnScreen(TCustomChart& chart, int index, const TSeriesMarkPosition& position) const {
  TMarkLayoutInput m;
  m.index = index;
  m.anchor = position.anchorPoint;
  m.label = position.labelPoint;
  int left = position.boxLeft, top = position.boxTop;
  if (chart.View3D()) {
    auto& c = chart.Canvas();
    m.anchor = c.ProjectPoint(position.anchorPoint.x, position.anchorPoint.y, zPosition_);
    m.label = c.ProjectPoint(position.labelPoint.x, position.labelPoint.y, zPosition_);
    left = m.label.x + (position.boxLeft - position.labelPoint.x);
    top = m.label.y - (position.labelPoint.y - position.boxTop);
  }
  m.box = platform::TRect{left, top, left + position.boxWidth, top + position.boxHeight};
  return m;
}

void TSeriesMarks::DrawMark(TCustomChart& chart, const TMarkFontMeasures& font, int index, std::string_view text,
                            TColor pointColour, TSeriesMarkPosition position, TMarkLayoutOutput& drawn) {
  auto& c = chart.Canvas();
  position = EffectivePosition(index, position);

  if (arrow_.Visible()) {
    UseArrowPen(chart, pointColour);
    const auto& a = position.anchorPoint;
    const auto& l = position.labelPoint;
    if (chart.View3D())
      c.LineAtDepth(a.x, a.y, l.x, l.y, zPosition_);
    else
      c.FlatLine(a.x, a.y, l.x, l.y);
  }

  // The box itself is drawn flat, moved with its projected label point.
  const TMarkLayoutInput screen = OnScreen(chart, index, position);
  DrawBoxAndText(chart, font, text, screen.box.left, screen.box.top, position.boxWidth, position.boxHeight);
  drawn.index = index;
  drawn.dropped = false;
  drawn.box = screen.box;
  drawn.leader.assign({screen.anchor, screen.label});
}

void TSeriesMarks::DrawLaidOut(TCustomChart& chart, const TMarkFontMeasures& font, std::string_view text,
                               TColor pointColour, const TMarkLayoutOutput& mark) {
  if (mark.dropped) return;
  auto& c = chart.Canvas();
  if (arrow_.Visible()) {
    UseArrowPen(chart, pointColour);
    for (std::size_t k = 0; k + 1 < mark.leader.size(); ++k)
      c.FlatLine(mark.leader[k].x, mark.leader[k].y, mark.leader[k + 1].x, mark.leader[k + 1].y);
  }
  DrawBoxAndText(chart, font, text, mark.box.left, mark.box.top, mark.box.Width(), mark.box.Height());
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
  auto& drawn = marks.LastMarksToFill();
  std::size_t used = 0;  // the entries kept from the last paint are reused
  TMarkLayoutSpace space;
  const bool laidOut = marks.Layout() == TMarksLayout::mlNoOverlap && MarksSpace(space);
  std::vector<TMarkLayoutInput> wanted;
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
    if (!PlaceMark(i, measures, position)) continue;
    if (laidOut) {
      TMarkLayoutInput m = marks.OnScreen(*chart, i, marks.EffectivePosition(i, position));
      m.weight = MarkWeight(i);
      wanted.push_back(m);
    } else {
      if (used == drawn.size()) drawn.emplace_back();
      marks.DrawMark(*chart, measures, i, text, colour, position, drawn[used++]);
    }
  }
  if (!laidOut) drawn.resize(used);
  if (laidOut) {
    drawn = LayoutMarksNoOverlap(wanted, space);
    for (const auto& m : drawn) marks.DrawLaidOut(*chart, measures, ComposedMarkText(m.index), PointColor(m.index), m);
  }
  if (clip) c.Unclip();
  markTextsComposed_ = false;
}

}  // namespace pg::engine
