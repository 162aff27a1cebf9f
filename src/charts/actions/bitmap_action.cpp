#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"

namespace pg::charts {

// The name always gets ".bmp", whatever it ends in. The panel fills its window,
// so the picture has the window's client size even before the next paint.
void ChartBitmap(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  chart.SetBounds(w.ClientWidth(), w.ClientHeight());
  const std::string path = p.at(1) + ".bmp";
  StepWithParam(p, 1, "cannot be written", true, [&] { chart.SaveChartBitmap(path); });
  notes::NoteWritten(path, w.ClientWidth(), w.ClientHeight(), "BMP");
}

}  // namespace pg::charts
