#include "engine/legend/series_item_text.h"

#include <algorithm>

#include "engine/series/chart_series.h"

namespace pg::engine {

void AppendSeriesItemText(std::string& out, const TChartSeries& series, int item, TLegendTextStyle style) {
  if (item < 0) return;
  const int v = series.LegendToPoint(item);
  if (v < 0 || v >= series.PointCount()) return;
  const std::size_t start = out.size();
  const std::string& label = series.PointLabel(v);
  const auto& list = series.MandatoryValueList();
  const double value = list.ValueAt(v);
  // The item's number: its value, or its share of the total for the percent styles.
  auto appendNumber = [&] {
    if (style == TLegendTextStyle::ltsLeftPercent || style == TLegendTextStyle::ltsRightPercent) {
      // The signed value: a negative slice shows a negative share here.
      series.AppendPercent(out, list.PercentOfTotalABS(value));
    } else {
      series.AppendValue(out, value);
    }
  };
  switch (style) {
    case TLegendTextStyle::ltsPlain:
      out += label;
      break;
    case TLegendTextStyle::ltsLeftValue:
    case TLegendTextStyle::ltsLeftPercent:
      appendNumber();
      out += ' ';
      out += label;
      break;
    case TLegendTextStyle::ltsRightValue:
    case TLegendTextStyle::ltsRightPercent:
      out += label;
      out += ' ';
      appendNumber();
      break;
    case TLegendTextStyle::ltsXValue:
      series.AppendValue(out, series.XValues().ValueAt(v));
      break;
  }
  std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '\r', ' ');
}

std::string SeriesItemText(const TChartSeries& series, int item, TLegendTextStyle style) {
  std::string text;
  AppendSeriesItemText(text, series, item, style);
  return text;
}

}  // namespace pg::engine
