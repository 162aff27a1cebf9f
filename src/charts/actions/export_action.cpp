#include "charts/actions/chart_actions.h"
#include "engine/export/chart_export.h"

namespace pg::charts {

// The format by the name's extension; the name is used as given. The panel
// fills its window, so the picture has the window's client size.
void ChartExport(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  chart.SetBounds(w.ClientWidth(), w.ClientHeight());
  engine::ExportChart(chart, p.at(1));
}

}  // namespace pg::charts
