#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"
#include "engine/export/chart_export.h"
#include "framework/notes/action_notes.h"
#include "platform/export/export_format.h"

namespace pg::charts {

// The format by the name's extension; the name is used as given. The panel
// fills its window, so the picture has the window's client size.
void ChartExport(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  chart.SetBounds(w.ClientWidth(), w.ClientHeight());
  StepWithParam(p, 1, "cannot be written", true, [&] { engine::ExportChart(chart, p.at(1)); });
  notes::NoteWritten(p.at(1), w.ClientWidth(), w.ClientHeight(),
                     platform::ExportFormatName(platform::ExportFormatOf(p.at(1))));
}

}  // namespace pg::charts
