#include "charts/actions/chart_actions.h"

// Not built yet: the frame finds the chart and nothing changes.
namespace pg::charts {

void SetTitleChart(TChartImageForm&, const ActionParams&) {}
void SetFootChart(TChartImageForm&, const ActionParams&) {}

}  // namespace pg::charts
