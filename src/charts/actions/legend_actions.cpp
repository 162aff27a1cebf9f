#include "charts/actions/chart_actions.h"
#include "charts/actions/chart_font_target.h"
#include "framework/params/colour_format.h"
#include "framework/params/font_format.h"
#include "framework/params/word_format.h"
#include "framework/text/int_parse.h"

namespace pg::charts {

namespace {

engine::TChartLegend& LegendOf(TChartImageForm& w) { return w.Chart1().Legend(); }

}  // namespace

void LegendVisible(TChartImageForm& w, const ActionParams& p) {
  // Only the exact on and off words change anything.
  if (const auto on = params::ReadBoolValue(p.at(1))) LegendOf(w).SetVisible(*on);
}

// A description of fewer than five fields changes nothing; the fields then land
// one by one, and a field that does not convert keeps the ones before it.
void SetLegendFont(TChartImageForm& w, const ActionParams& p) {
  ChartFontTarget font(LegendOf(w).Font());
  params::ApplyWholeFontDescription(p.at(1), font);
}

void LegendColor(TChartImageForm& w, const ActionParams& p) { LegendOf(w).SetColor(params::ReadColourTriple(p.at(1))); }

// The legend rejects widths outside 0..100 and keeps its own.
void LegendColorWidth(TChartImageForm& w, const ActionParams& p) {
  LegendOf(w).SetColorWidth(text::StrToInt(p.at(1)));
}

void LegendInverted(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = params::ReadBoolValue(p.at(1))) LegendOf(w).SetInverted(*on);
}

void LegendResize(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = params::ReadBoolValue(p.at(1))) LegendOf(w).SetResizeChart(*on);
}

// The colour is set before the size is read: a bad size keeps the new colour.
void LegendShadow(TChartImageForm& w, const ActionParams& p) {
  auto& legend = LegendOf(w);
  legend.SetShadowColor(params::ReadColourTriple(p.at(1)));
  legend.SetShadowSize(text::StrToInt(p.at(2)));
}

}  // namespace pg::charts
