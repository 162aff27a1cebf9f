#pragma once
// The legend: the framed box beside, above or below the plot that lists the
// chart's items, each with a colour box and a text, and takes its room from the
// plot rectangle.
#include <string>

#include "engine/core/chart_pen.h"
#include "engine/legend/legend_styles.h"
#include "platform/graphics.h"

namespace pg::engine {

class TChartSeries;
class TCustomChart;

class TCustomChartLegend {
 public:
  // The legend belongs to chart, which outlives it; changes repaint the chart.
  explicit TCustomChartLegend(TCustomChart& chart);
  virtual ~TCustomChartLegend();
  TCustomChartLegend(const TCustomChartLegend&) = delete;
  TCustomChartLegend& operator=(const TCustomChartLegend&) = delete;

  TLegendAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLegendAlignment v) { Store(alignment_, v); }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Store(color_, v); }
  int ColorWidth() const { return colorWidth_; }
  // Percent of the item width; throws LegendException outside 0..100.
  void SetColorWidth(int v);
  TChartHiddenPen& DividingLines() { return dividingLines_; }
  const TChartHiddenPen& DividingLines() const { return dividingLines_; }
  int FirstValue() const { return firstValue_; }
  // Throws LegendException below 0.
  void SetFirstValue(int v);
  TChartFontObject& Font() { return font_; }
  const TChartFontObject& Font() const { return font_; }
  TChartPen& Frame() { return frame_; }
  const TChartPen& Frame() const { return frame_; }
  // Gap between a side legend and the plot; 0 is automatic (3 % of the plot width).
  int HorizMargin() const { return horizMargin_; }
  void SetHorizMargin(int v) { Store(horizMargin_, v); }
  bool Inverted() const { return inverted_; }
  void SetInverted(bool v) { Store(inverted_, v); }
  TLegendStyle LegendStyle() const { return legendStyle_; }
  void SetLegendStyle(TLegendStyle v) { Store(legendStyle_, v); }
  int MaxNumRows() const { return maxNumRows_; }
  void SetMaxNumRows(int v) { Store(maxNumRows_, v); }
  bool ResizeChart() const { return resizeChart_; }
  void SetResizeChart(bool v) { Store(resizeChart_, v); }
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor v) { Store(shadowColor_, v); }
  // 0 or less draws no shadow.
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int v) { Store(shadowSize_, v); }
  TLegendTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TLegendTextStyle v) { Store(textStyle_, v); }
  int TopPos() const { return topPos_; }
  // Percent along the side; throws LegendException outside 0..100.
  void SetTopPos(int v);
  // Gap between a top or bottom legend and the plot; 0 is automatic (4 % of its height).
  int VertMargin() const { return vertMargin_; }
  void SetVertMargin(int v) { Store(vertMargin_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Store(visible_, v); }

  bool Vertical() const {
    return alignment_ == TLegendAlignment::laLeft || alignment_ == TLegendAlignment::laRight;
  }
  // LegendStyle with lsAuto resolved by the number of active series.
  TLegendStyle ResolvedStyle() const;
  // Items listed for the resolved style, less FirstValue, never below 0.
  int LegendItemCount() const;
  // Text of item index (-1 and items beyond the chart's give ""); the Append
  // form adds it to out.
  std::string LegendText(int index) const;
  void AppendLegendText(std::string& out, int index) const;

  // How many items of itemSize fit from start: rows of a side legend from its
  // top, columns of a top or bottom legend.
  virtual int FitItemCount(int start, int itemSize) const;
  // Draws the legend into the chart's canvas and takes its room from the plot.
  // The chart calls it only when the legend is visible and a series is active.
  virtual void PaintLegend();

  // Run-time results of the last paint.
  const platform::TRect& LegendBox() const { return legendBox_; }
  // What the last paint covered, frame and shadow included; empty when it drew nothing.
  platform::TRect DrawnArea() const;
  TLegendStyle EffectiveStyle() const { return effectiveStyle_; }
  int ColorBoxWidth() const { return colorBoxWidth_; }
  int ColumnCount() const { return columnCount_; }
  int RowCount() const { return rowCount_; }
  // The legend colour as drawn: series keep their colour boxes visible on it.
  TColor LegendBackColour() const { return legendBackColour_; }

 protected:
  TCustomChart& Chart() const { return chart_; }

 private:
  template <typename T>
  void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    Repaint();
  }
  void Repaint();
  TChartSeries* FirstActiveSeries() const;
  // The index-th series that is active and shown in the legend.
  TChartSeries* LegendSeries(int index) const;
  int ActiveSeriesCount() const;
  // Widest LegendText of count items from FirstValue.
  int WidestText(int count) const;
  void PaintBackground();
  // Item index at row/column position; wall is the widest item text.
  void DrawItem(int index, int position, int textX, int wall, int itemCount);
  void DrawSymbol(TChartSeries* series, int valueIndex, const platform::TRect& box);
  void TakeRoom();

  TCustomChart& chart_;
  TLegendAlignment alignment_ = TLegendAlignment::laRight;
  TChartBrush brush_;
  TColor color_ = clWhite;
  int colorWidth_ = 12;
  TChartHiddenPen dividingLines_;
  int firstValue_ = 0;
  TChartFontObject font_;
  TChartPen frame_;
  int horizMargin_ = 0;
  bool inverted_ = false;
  TLegendStyle legendStyle_ = TLegendStyle::lsAuto;
  int maxNumRows_ = 10;
  bool resizeChart_ = true;
  TColor shadowColor_ = clBlack;
  int shadowSize_ = 3;
  TLegendTextStyle textStyle_ = TLegendTextStyle::ltsLeftValue;
  int topPos_ = 10;
  int vertMargin_ = 0;
  bool visible_ = true;

  platform::TRect legendBox_{};
  bool drawn_ = false;
  TLegendStyle effectiveStyle_ = TLegendStyle::lsValues;
  int colorBoxWidth_ = 0;
  int columnCount_ = 0;
  int rowCount_ = 0;
  TColor legendBackColour_ = clWhite;
  // One item's text while it is measured or drawn, reused: a paint measures
  // every item's text.
  mutable std::string itemText_;
};

}  // namespace pg::engine
