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
  auto appendPercent = [&] {
    // The signed value: a negative slice shows a negative share here.
    const double total = list.TotalABS();
    series.AppendPercent(out, total == 0 ? 100.0 : value * 100 / total);
  };
  switch (style) {
    case TLegendTextStyle::ltsPlain:
      out += label;
      break;
    case TLegendTextStyle::ltsLeftValue:
      series.AppendValue(out, value);
      out += ' ';
      out += label;
      break;
    case TLegendTextStyle::ltsRightValue:
      out += label;
      out += ' ';
      series.AppendValue(out, value);
      break;
    case TLegendTextStyle::ltsLeftPercent:
      appendPercent();
      out += ' ';
      out += label;
      break;
    case TLegendTextStyle::ltsRightPercent:
      out += label;
      out += ' ';
      appendPercent();
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
