#include "engine/panel/chart_description.h"

#include <cmath>

#include "engine/panel/chart.h"
#include "engine/series/chart_series.h"
#include "framework/text/codepage.h"

namespace pg::engine {

namespace {
constexpr std::string_view kUntitled = "Круговая диаграмма"_cp;
}  // namespace

std::string SliceDescription(const TChartSeries& series, int index) {
  std::string out;
  if (index < 0 || index >= series.PointCount()) return out;
  const auto& list = series.MandatoryValueList();
  const double value = list.ValueAt(index);
  const double percent = list.PercentOfTotalABS(std::fabs(value));
  const std::string& label = series.PointLabel(index);
  if (!label.empty()) {
    out += label;
    out += ": ";
  }
  series.AppendValue(out, value);
  out += " (";
  series.AppendPercent(out, percent);
  out += ')';
  return out;
}

platform::ExportDescription DescribeChart(TCustomChart& chart) {
  platform::ExportDescription d;
  if (chart.Title().Visible())
    for (const auto& line : chart.Title().Text()) {
      if (line.empty()) continue;
      if (!d.title.empty()) d.title += ' ';
      d.title += line;
    }
  if (d.title.find_first_not_of(' ') == std::string::npos) d.title = kUntitled;
  for (TChartSeries* series : chart.SeriesList()) {
    // The slices as the drawing about to be described will have them: grouping
    // into Other happens as a paint begins, so the last paint's may be stale.
    if (series->Active()) series->DoBeforeDrawChart();
    // Slices grouped into Other are not drawn: the Other slice speaks for them.
    for (int item = 0; item < series->LegendItemCount(); ++item)
      d.items.push_back(SliceDescription(*series, series->LegendToPoint(item)));
  }
  return d;
}

}  // namespace pg::engine
