#include "charts/actions/chart_actions.h"

// Not built yet: the frame finds the chart and nothing changes.
namespace pg::charts {

void ChartBitmap(TChartImageForm&, const ActionParams&) {}

}  // namespace pg::charts
