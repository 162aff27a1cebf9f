#include "charts/actions/chart_actions.h"

// Not built yet: the frame finds the chart and nothing changes.
namespace pg::charts {

void MarksVisible(TChartImageForm&, const ActionParams&) {}
void MarksStyle(TChartImageForm&, const ActionParams&) {}
void MarksTransparent(TChartImageForm&, const ActionParams&) {}
void MarksFontColor(TChartImageForm&, const ActionParams&) {}
void MarksFrame(TChartImageForm&, const ActionParams&) {}
void MarksFrVisible(TChartImageForm&, const ActionParams&) {}
void MarksFrStyle(TChartImageForm&, const ActionParams&) {}

}  // namespace pg::charts
