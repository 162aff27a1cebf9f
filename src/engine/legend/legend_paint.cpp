// Laying out and drawing the legend box, its items and the room it takes.
#include <algorithm>
#include <cstdint>

#include "engine/legend/custom_chart_legend.h"
#include "engine/panel/chart.h"
#include "engine/series/chart_series.h"
#include "framework/arith.h"

namespace pg::engine {

namespace {

constexpr platform::Brush kClearBrush{BrushStyle::bsClear, clWhite, nullptr};

// Legend positions are sums of the shadow and frame sizes an author may set to
// any integer: added in 64 bits and kept within the coordinate range. Products
// with them are taken in floating point, exact for every smaller value.
int Sum(std::int64_t a, std::int64_t b, std::int64_t c = 0) { return ClampCoord(a + b + c); }

}  // namespace

int TCustomChartLegend::FitItemCount(int start, int itemSize) const {
  const platform::TRect plot = chart_.PlotRect();
  const int f = frame_.Width();
  const int n = LegendItemCount();
  int fit;
  if (Vertical()) {
    if (start >= plot.bottom || itemSize <= 0) return 0;
    fit = Div(plot.bottom - 2 * f - start, itemSize);
  } else {
    if (plot.right <= start || itemSize <= 0) return 0;
    fit = Div(chart_.PlotWidth() - 2 * f - start, itemSize);
  }
  return std::max(0, std::min(n, fit));
}

int TCustomChartLegend::WidestText(int count) const {
  auto& c = chart_.Canvas();
  int widest = 0;
  for (int i = firstValue_; i < firstValue_ + count; ++i) {
    itemText_.clear();
    AppendLegendText(itemText_, i);
    widest = std::max(widest, c.MeasureTextWidth(itemText_));
  }
  return widest;
}

void TCustomChartLegend::PaintLegend() {
  auto& c = chart_.Canvas();
  drawn_ = false;
  effectiveStyle_ = ResolvedStyle();
  legendBackColour_ = color_;
  chart_.UseFont(font_.Value());

  const int h = c.LineHeight();
  const int frameRoom = frame_.Visible() ? frame_.Width() + 1 : 0;
  // A shadow of 0 or less is not drawn, but a negative one still moves the box.
  const int shadow = shadowSize_;
  const int n = LegendItemCount();
  // The widest of all items lays out the columns of a top or bottom legend; a
  // side legend is as wide as its shown rows (below) and never asks for it.
  const int wall = Vertical() ? 0 : WidestText(n);
  colorBoxWidth_ = Round((wall + 4.0) * colorWidth_ * 0.01);
  const platform::TRect plot = chart_.PlotRect();
  const platform::TRect panel = chart_.PanelRect();

  auto columnsAndRows = [&] {
    columnCount_ = FitItemCount(8, wall + 4 + colorBoxWidth_ + 8);
    rowCount_ = columnCount_ <= 0 ? 0 : std::min(Div(n + columnCount_ - 1, columnCount_), maxNumRows_);
  };
  platform::TRect box{};
  switch (alignment_) {
    case TLegendAlignment::laTop:
      box.top = plot.top + frameRoom;
      columnsAndRows();
      box.bottom = box.top + 2 + rowCount_ * h;
      break;
    case TLegendAlignment::laBottom:
      box.bottom = Sum(plot.bottom, -std::int64_t{shadow}, -frameRoom);
      columnsAndRows();
      box.top = box.bottom - 2 - rowCount_ * h;
      break;
    case TLegendAlignment::laLeft:
    case TLegendAlignment::laRight:
      box.top = panel.top + Round(topPos_ * (panel.bottom - panel.top) * 0.01);
      columnCount_ = 1;
      rowCount_ = FitItemCount(box.top, h);
      box.bottom = box.top + 2 + rowCount_ * h;
      break;
  }

  int textX = 0, shown = 0;
  switch (alignment_) {
    case TLegendAlignment::laLeft: {
      const int w = WidestText(rowCount_);
      box.left = plot.left + frameRoom;
      colorBoxWidth_ = Round((w + 10.0) * colorWidth_ * 0.01);
      textX = box.left + 8 + colorBoxWidth_;
      box.right = box.left + colorBoxWidth_ + w + 10;
      shown = rowCount_;
      break;
    }
    case TLegendAlignment::laRight: {
      const int w = WidestText(rowCount_);
      box.right = Sum(plot.right, -frameRoom, -std::int64_t{shadow});
      textX = box.right - w - 2;
      colorBoxWidth_ = Round((w + 10.0) * colorWidth_ * 0.01);
      box.left = textX - colorBoxWidth_ - 8;
      shown = rowCount_;
      break;
    }
    case TLegendAlignment::laTop:
    case TLegendAlignment::laBottom: {
      const int width = std::min(chart_.PlotWidth(), Sum(2 * std::int64_t{shadow},
                                                         std::int64_t{columnCount_} * (colorBoxWidth_ + wall + 8), 8));
      const int shift = Round(topPos_ * (static_cast<double>(panel.Width()) - width) * 0.01);
      box.left = chart_.PlotCenterX() - Div(width, 2) + shift;
      box.right = chart_.PlotCenterX() + Div(width, 2) + shift;
      textX = box.left + 8 + colorBoxWidth_;
      shown = columnCount_ * rowCount_;
      break;
    }
  }
  legendBox_ = box;
  drawn_ = false;
  if (shown < 1) return;
  drawn_ = true;

  PaintBackground();
  c.SetPen(platform::Pen{PenStyle::psSolid, 1, color_ == clBlack ? clWhite : clBlack, PenMode::pmCopy});
  const int last = std::min(n, shown) + firstValue_ - 1;
  for (int i = firstValue_; i <= last; ++i)
    DrawItem(i, inverted_ ? last - i : i - firstValue_, textX, wall, n);
  TakeRoom();
}

platform::TRect TCustomChartLegend::DrawnArea() const {
  if (!drawn_) return {};
  const int f = frame_.Visible() ? std::max(0, frame_.Width()) + 1 : 0;
  const int s = std::max(0, shadowSize_);
  return platform::TRect{Sum(legendBox_.left, -std::int64_t{f}), Sum(legendBox_.top, -std::int64_t{f}),
                         Sum(legendBox_.right, f, s), Sum(legendBox_.bottom, f, s)};
}

void TCustomChartLegend::PaintBackground() {
  auto& c = chart_.Canvas();
  c.UseChartPen(frame_);
  platform::TRect box = legendBox_;
  int d;
  if (frame_.Visible()) {
    if (frame_.Color() == clDefault) {
      platform::Pen p = c.Pen();
      p.color = clBlack;
      c.SetPen(p);
    }
    const int f = frame_.Width();
    box = platform::TRect{box.left - f, box.top - f, box.right + f, box.bottom + f};
    d = Sum(shadowSize_, f, Div(f - 1, 2));
  } else {
    d = Sum(shadowSize_, -1);
  }
  if (shadowSize_ > 0) {
    c.SetBrush(platform::Brush{BrushStyle::bsSolid, shadowColor_, nullptr});
    c.FillRectangle(platform::TRect{Sum(legendBox_.left, shadowSize_), Sum(legendBox_.top, shadowSize_),
                                    Sum(legendBox_.right, d), Sum(legendBox_.bottom, d)});
  }
  if (brush_.Style() != BrushStyle::bsSolid) {
    c.SetBackgroundColour(color_);
    c.SetBackgroundMode(platform::kOpaque);
    c.SetBrush(platform::Brush{brush_.Style(), brush_.Color(), nullptr});
  } else {
    c.SetBrush(platform::Brush{BrushStyle::bsSolid, color_, nullptr});
  }
  c.FlatRectangle(box);
}

void TCustomChartLegend::DrawItem(int index, int position, int textX, int wall, int itemCount) {
  if (position >= itemCount) return;
  auto& c = chart_.Canvas();
  const int h = c.LineHeight();
  int x = textX, y;
  if (Vertical()) {
    y = legendBox_.top + 1 + position * h;
  } else {
    y = legendBox_.top + 1 + Div(position, columnCount_) * h;
    x += (position % columnCount_) * (wall + 4 + colorBoxWidth_ + 4);
  }
  c.SetBrush(kClearBrush);
  const platform::TRect symbol{x - 4 - colorBoxWidth_, y + 2, x - 4, y + h - 2};
  itemText_.clear();
  AppendLegendText(itemText_, index);
  if (!itemText_.empty()) {
    c.SetBackgroundMode(platform::kTransparent);
    c.SetTextAlignment(platform::kTaLeft | platform::kTaTop);
    c.FlatTextOut(x, y, itemText_);
    if (effectiveStyle_ == TLegendStyle::lsValues) {
      TChartSeries* s = FirstActiveSeries();
      DrawSymbol(s, s ? s->LegendToPoint(index) : -1, symbol);
    } else {
      DrawSymbol(LegendSeries(index), -1, symbol);
    }
  }
  if (position > 0 && dividingLines_.Visible()) {
    const platform::Pen boxPen = c.Pen();
    c.UseChartPen(dividingLines_);
    c.SetBackgroundMode(platform::kTransparent);
    if (Vertical())
      c.FlatHorizLine(legendBox_.left, legendBox_.right, y);
    else
      c.FlatVertLine(symbol.left - 4, legendBox_.top, legendBox_.bottom);
    c.SetPen(boxPen);
  }
}

void TCustomChartLegend::TakeRoom() {
  platform::TRect plot = chart_.PlotRect();
  const int width = chart_.PlotWidth(), height = chart_.PlotHeight();
  if (resizeChart_) {
    switch (alignment_) {
      case TLegendAlignment::laLeft:
        plot.left = legendBox_.right;
        break;
      case TLegendAlignment::laRight:
        plot.right = legendBox_.left;
        break;
      case TLegendAlignment::laTop:
        plot.top = Sum(legendBox_.bottom, shadowSize_);
        break;
      case TLegendAlignment::laBottom:
        plot.bottom = legendBox_.top;
        break;
    }
  }
  switch (alignment_) {
    case TLegendAlignment::laLeft:
      plot.left += horizMargin_ != 0 ? horizMargin_ : MulDiv(3, width, 100);
      break;
    case TLegendAlignment::laRight:
      plot.right -= horizMargin_ != 0 ? horizMargin_ : MulDiv(3, width, 100);
      break;
    case TLegendAlignment::laTop:
      plot.top += vertMargin_ != 0 ? vertMargin_ : MulDiv(4, height, 100);
      break;
    case TLegendAlignment::laBottom:
      plot.bottom -= vertMargin_ != 0 ? vertMargin_ : MulDiv(4, height, 100);
      break;
  }
  chart_.SetPlotRect(plot);
}

}  // namespace pg::engine
