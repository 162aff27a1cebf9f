#include "engine/legend/custom_chart_legend.h"

#include <algorithm>

#include "engine/legend/series_item_text.h"
#include "engine/panel/chart.h"
#include "engine/series/chart_series.h"
#include "framework/errors.h"

namespace pg::engine {

TCustomChartLegend::TCustomChartLegend(TCustomChart& chart)
    : chart_(chart),
      brush_([this] { Repaint(); }, clDefault, BrushStyle::bsSolid),
      dividingLines_([this] { Repaint(); }),
      font_([this] { Repaint(); }),
      frame_([this] { Repaint(); }) {}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::Repaint() { chart_.RequestRepaint(); }

void TCustomChartLegend::SetColorWidth(int v) {
  if (v < 0 || v > 100) throw LegendException("Legend Color Width must be between 0 and 100 %");
  Store(colorWidth_, v);
}

void TCustomChartLegend::SetTopPos(int v) {
  if (v < 0 || v > 100) throw LegendException("Top Legend Position must be between 0 and 100 %");
  Store(topPos_, v);
}

void TCustomChartLegend::SetFirstValue(int v) {
  if (v < 0) throw LegendException("First Legend Value must be > 0");
  Store(firstValue_, v);
}

int TCustomChartLegend::ActiveSeriesCount() const {
  const auto& list = chart_.SeriesList();
  return static_cast<int>(std::count_if(list.begin(), list.end(), [](const TChartSeries* s) { return s->Active(); }));
}

TChartSeries* TCustomChartLegend::FirstActiveSeries() const {
  for (auto* s : chart_.SeriesList())
    if (s->Active()) return s;
  return nullptr;
}

TChartSeries* TCustomChartLegend::LegendSeries(int index) const {
  if (index < 0) return nullptr;
  for (auto* s : chart_.SeriesList())
    if (s->Active() && s->ShowInLegend() && index-- == 0) return s;
  return nullptr;
}

TLegendStyle TCustomChartLegend::ResolvedStyle() const {
  if (legendStyle_ != TLegendStyle::lsAuto) return legendStyle_;
  return ActiveSeriesCount() < 2 ? TLegendStyle::lsValues : TLegendStyle::lsSeries;
}

int TCustomChartLegend::LegendItemCount() const {
  int n = 0;
  const TLegendStyle style = ResolvedStyle();
  if (style == TLegendStyle::lsSeries || style == TLegendStyle::lsLastValues) {
    for (const auto* s : chart_.SeriesList())
      if (s->Active() && s->ShowInLegend()) ++n;
  } else if (const TChartSeries* s = FirstActiveSeries(); s && s->ShowInLegend()) {
    n = s->LegendItemCount();
  }
  return std::max(0, n - firstValue_);
}

std::string TCustomChartLegend::LegendText(int index) const {
  std::string text;
  AppendLegendText(text, index);
  return text;
}

void TCustomChartLegend::AppendLegendText(std::string& out, int index) const {
  if (index < 0) return;
  switch (ResolvedStyle()) {
    case TLegendStyle::lsSeries: {
      const TChartSeries* s = LegendSeries(index);
      if (!s) return;
      if (s->Title().empty())
        out.append("Series ").append(std::to_string(index));
      else
        out += s->Title();
      return;
    }
    case TLegendStyle::lsLastValues: {
      const TChartSeries* s = LegendSeries(index);
      if (s) AppendSeriesItemText(out, *s, s->LegendItemCount() - 1, textStyle_);
      return;
    }
    case TLegendStyle::lsAuto:
    case TLegendStyle::lsValues:
      break;
  }
  if (const TChartSeries* s = FirstActiveSeries()) AppendSeriesItemText(out, *s, index, textStyle_);
}

}  // namespace pg::engine
