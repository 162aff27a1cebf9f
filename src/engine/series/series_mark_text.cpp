// What each mark style shows for a point.
#include <algorithm>
#include <cmath>

#include "engine/series/chart_series.h"
#include "framework/text/number_format.h"
#include "platform/locale.h"

namespace pg::engine {

std::string TChartSeries::LegendText(int index) const {
  const std::string label = PointLabel(index);
  return label.empty() ? FormatValue(MandatoryValueList().ValueAt(index)) : label;
}

std::string TChartSeries::MarkText(int index) const {
  const auto& list = MandatoryValueList();
  const double value = list.ValueAt(index);
  const double total = list.TotalABS();
  const std::string percent = FormatPercent(total == 0 ? 100.0 : std::fabs(value) * 100 / total);
  const std::string label = PointLabel(index);
  const std::string labelOrValue = label.empty() ? FormatValue(value) : label;
  const std::string ofTotal = percent + " of " + FormatValue(total);
  switch (Marks().Style()) {
    case TSeriesMarksStyle::smsValue:
      return FormatValue(value);
    case TSeriesMarksStyle::smsPercent:
      return percent;
    case TSeriesMarksStyle::smsLabel:
      return labelOrValue;
    case TSeriesMarksStyle::smsLabelPercent:
      return labelOrValue + " " + percent;
    case TSeriesMarksStyle::smsLabelValue:
      return labelOrValue + " " + FormatValue(value);
    case TSeriesMarksStyle::smsLegend: {
      std::string t = LegendText(index);
      std::replace(t.begin(), t.end(), '\r', ' ');
      return t;
    }
    case TSeriesMarksStyle::smsPercentTotal:
      return ofTotal;
    case TSeriesMarksStyle::smsLabelPercentTotal:
      return labelOrValue + " " + ofTotal;
    case TSeriesMarksStyle::smsXValue:
      return text::FormatFloat("#,##0.###", XValues().ValueAt(index), platform::DecimalSeparator(),
                               platform::ThousandSeparator());
  }
  return {};
}

}  // namespace pg::engine
