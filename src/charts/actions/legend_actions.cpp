#include "charts/actions/chart_actions.h"
#include "charts/actions/chart_font_target.h"
#include "charts/actions/param_readers.h"

namespace pg::charts {

namespace {

engine::TChartLegend& LegendOf(TChartImageForm& w) { return w.Chart1().Legend(); }

}  // namespace

void LegendVisible(TChartImageForm& w, const ActionParams& p) {
  // Only the exact on and off words change anything.
  if (const auto on = BoolParam(p, 1)) LegendOf(w).SetVisible(*on);
}

// A description of fewer than five fields changes nothing; the fields then land
// one by one, and a field that does not convert keeps the ones before it.
void SetLegendFont(TChartImageForm& w, const ActionParams& p) {
  ChartFontTarget font(LegendOf(w).Font());
  FontParam(p, 1, font, true);
}

void LegendColor(TChartImageForm& w, const ActionParams& p) { LegendOf(w).SetColor(ColourParam(p, 1)); }

// The legend rejects widths outside 0..100 and keeps its own.
void LegendColorWidth(TChartImageForm& w, const ActionParams& p) {
  const std::int32_t width = IntParam(p, 1);
  StepWithParam(p, 1, "is not within 0 to 100", false, [&] { LegendOf(w).SetColorWidth(width); });
}

void LegendInverted(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) LegendOf(w).SetInverted(*on);
}

void LegendResize(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) LegendOf(w).SetResizeChart(*on);
}

// The colour is set before the size is read: a bad size keeps the new colour.
void LegendShadow(TChartImageForm& w, const ActionParams& p) {
  auto& legend = LegendOf(w);
  legend.SetShadowColor(ColourParam(p, 1));
  legend.SetShadowSize(IntParam(p, 2));
}

}  // namespace pg::charts
