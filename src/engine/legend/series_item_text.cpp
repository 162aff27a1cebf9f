#include "engine/legend/series_item_text.h"

#include <algorithm>

#include "engine/series/chart_series.h"

namespace pg::engine {

std::string SeriesItemText(const TChartSeries& series, int item, TLegendTextStyle style) {
  if (item < 0) return {};
  const int v = series.LegendToPoint(item);
  if (v < 0 || v >= series.PointCount()) return {};
  const std::string label = series.PointLabel(v);
  std::string text;
  if (style == TLegendTextStyle::ltsPlain) {
    text = label;
  } else {
    const auto& list = series.MandatoryValueList();
    const double value = list.ValueAt(v);
    const std::string valueText = series.FormatValue(value);
    auto percentText = [&] {
      // The signed value: a negative slice shows a negative share here.
      const double total = list.TotalABS();
      return series.FormatPercent(total == 0 ? 100.0 : value * 100 / total);
    };
    switch (style) {
      case TLegendTextStyle::ltsPlain:
        break;
      case TLegendTextStyle::ltsLeftValue:
        text = valueText + " " + label;
        break;
      case TLegendTextStyle::ltsRightValue:
        text = label + " " + valueText;
        break;
      case TLegendTextStyle::ltsLeftPercent:
        text = percentText() + " " + label;
        break;
      case TLegendTextStyle::ltsRightPercent:
        text = label + " " + percentText();
        break;
      case TLegendTextStyle::ltsXValue:
        text = series.FormatValue(series.XValues().ValueAt(v));
        break;
    }
  }
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

}  // namespace pg::engine
