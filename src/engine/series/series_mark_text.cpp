// What each mark style shows for a point.
#include <cmath>

#include "engine/legend/series_item_text.h"
#include "engine/panel/chart.h"
#include "engine/series/chart_series.h"
#include "framework/text/number_format.h"
#include "platform/locale.h"

namespace pg::engine {

namespace {

constexpr std::string_view kOfTotalFormat = "%s of %s";

// The format with its two %s filled in order.
std::string OfTotal(const std::string& percent, const std::string& total) {
  std::string out(kOfTotalFormat);
  for (const std::string* arg : {&percent, &total}) {
    const auto at = out.find("%s");
    if (at == std::string::npos) break;
    out.replace(at, 2, *arg);
  }
  return out;
}

}  // namespace

std::string TChartSeries::MarkText(int index) const {
  if (index < 0 || index >= PointCount()) return {};
  const auto& list = MandatoryValueList();
  const double value = list.ValueAt(index);
  const double total = list.TotalABS();
  const std::string percent = FormatPercent(total == 0 ? 100.0 : std::fabs(value) * 100 / total);
  const std::string label = PointLabel(index);
  const std::string labelOrValue = label.empty() ? FormatValue(value) : label;
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
      // The number is a legend item number, composed as the chart's legend composes it.
      const auto* chart = dynamic_cast<const TCustomChart*>(ParentChart());
      const auto style = chart ? chart->Legend().TextStyle() : TLegendTextStyle::ltsLeftValue;
      return SeriesItemText(*this, index, style);
    }
    case TSeriesMarksStyle::smsPercentTotal:
      return OfTotal(percent, FormatValue(total));
    case TSeriesMarksStyle::smsLabelPercentTotal:
      return labelOrValue + " " + OfTotal(percent, FormatValue(total));
    case TSeriesMarksStyle::smsXValue:
      return text::FormatFloat("#,##0.###", XValues().ValueAt(index), platform::DecimalSeparator(),
                               platform::ThousandSeparator());
  }
  return {};
}

}  // namespace pg::engine
