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

// The format appended with its two %s filled in order, each found after what
// was filled before it (a percent text with a %s of its own takes the second).
void AppendOfTotal(std::string& out, const TChartSeries& series, double percent, double total) {
  std::string percentText, totalText;  // short: no heap block
  series.AppendPercent(percentText, percent);
  series.AppendValue(totalText, total);
  const std::size_t start = out.size();
  out.append(kOfTotalFormat);
  for (const std::string* arg : {&percentText, &totalText}) {
    const auto at = out.find("%s", start);
    if (at == std::string::npos) break;
    out.replace(at, 2, *arg);
  }
}

}  // namespace

std::string TChartSeries::MarkText(int index) const {
  std::string text;
  AppendMarkText(text, index);
  return text;
}

void TChartSeries::AppendMarkText(std::string& out, int index) const {
  if (index < 0 || index >= PointCount()) return;
  const auto& list = MandatoryValueList();
  const double value = list.ValueAt(index);
  const double total = list.TotalABS();
  const double percent = list.PercentOfTotalABS(std::fabs(value));
  const std::string& label = PointLabel(index);
  auto labelOrValue = [&] {
    if (label.empty())
      AppendValue(out, value);
    else
      out += label;
  };
  switch (Marks().Style()) {
    case TSeriesMarksStyle::smsValue:
      AppendValue(out, value);
      return;
    case TSeriesMarksStyle::smsPercent:
      AppendPercent(out, percent);
      return;
    case TSeriesMarksStyle::smsLabel:
      labelOrValue();
      return;
    case TSeriesMarksStyle::smsLabelPercent:
      labelOrValue();
      out += ' ';
      AppendPercent(out, percent);
      return;
    case TSeriesMarksStyle::smsLabelValue:
      labelOrValue();
      out += ' ';
      AppendValue(out, value);
      return;
    case TSeriesMarksStyle::smsLegend: {
      // The number is a legend item number, composed as the chart's legend composes it.
      const auto* chart = dynamic_cast<const TCustomChart*>(ParentChart());
      const auto style = chart ? chart->Legend().TextStyle() : TLegendTextStyle::ltsLeftValue;
      AppendSeriesItemText(out, *this, index, style);
      return;
    }
    case TSeriesMarksStyle::smsPercentTotal:
      AppendOfTotal(out, *this, percent, total);
      return;
    case TSeriesMarksStyle::smsLabelPercentTotal:
      labelOrValue();
      out += ' ';
      AppendOfTotal(out, *this, percent, total);
      return;
    case TSeriesMarksStyle::smsXValue:
      text::AppendFloat(out, "#,##0.###", XValues().ValueAt(index), platform::DecimalSeparator(),
                        platform::ThousandSeparator());
      return;
  }
}

void TChartSeries::ComposeMarkTexts() {
  const int n = PointCount();
  markTexts_.clear();
  markTextEnds_.clear();
  markTextEnds_.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    AppendMarkText(markTexts_, i);
    markTextEnds_.push_back(markTexts_.size());
  }
  markTextsComposed_ = true;
}

std::string_view TChartSeries::ComposedMarkText(int index) const {
  const auto i = static_cast<std::size_t>(index);
  if (index < 0 || i >= markTextEnds_.size()) return {};
  const std::size_t begin = i == 0 ? 0 : markTextEnds_[i - 1];
  return std::string_view(markTexts_).substr(begin, markTextEnds_[i] - begin);
}

}  // namespace pg::engine
