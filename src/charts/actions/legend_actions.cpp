#include "charts/actions/chart_actions.h"

// Not built yet: the frame finds the chart and nothing changes.
namespace pg::charts {

void LegendVisible(TChartImageForm&, const ActionParams&) {}
void SetLegendFont(TChartImageForm&, const ActionParams&) {}
void LegendColor(TChartImageForm&, const ActionParams&) {}
void LegendColorWidth(TChartImageForm&, const ActionParams&) {}
void LegendInverted(TChartImageForm&, const ActionParams&) {}
void LegendResize(TChartImageForm&, const ActionParams&) {}
void LegendShadow(TChartImageForm&, const ActionParams&) {}

}  // namespace pg::charts
