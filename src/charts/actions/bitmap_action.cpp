#include "charts/actions/chart_actions.h"

namespace pg::charts {

// The name always gets ".bmp", whatever it ends in. The panel fills its window,
// so the picture has the window's client size even before the next paint.
void ChartBitmap(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  chart.SetBounds(w.ClientWidth(), w.ClientHeight());
  chart.SaveChartBitmap(p.at(1) + ".bmp");
}

}  // namespace pg::charts
