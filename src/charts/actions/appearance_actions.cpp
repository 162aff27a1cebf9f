#include "charts/actions/chart_actions.h"

// Not built yet: the frame finds the chart and nothing changes.
namespace pg::charts {

void ChartMonochrome(TChartImageForm&, const ActionParams&) {}
void ChartColor(TChartImageForm&, const ActionParams&) {}
void ChartGradient(TChartImageForm&, const ActionParams&) {}
void ChartPicture(TChartImageForm&, const ActionParams&) {}
void ChartMargin(TChartImageForm&, const ActionParams&) {}
void ChartBorderWidth(TChartImageForm&, const ActionParams&) {}

}  // namespace pg::charts
