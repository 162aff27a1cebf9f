#include "charts/actions/chart_actions.h"
#include "charts/roll_state.h"
#include "charts/actions/param_readers.h"
#include "framework/params/word_format.h"

namespace pg::charts {

// Hides or shows the chart inside its window; the window itself stays shown.
void ChartVisible(TChartImageForm& w, const ActionParams& p) {
  if (const auto v = BoolParam(p, 1)) w.Chart1().SetVisible(*v);
}

// The off-test comes before the numbers and the on-test after them, so "False"
// stops the timer even when a number is malformed.
void ChartRoll(TChartImageForm& w, const ActionParams& p) {
  const auto word = params::ReadBoolWord(p.at(1));
  if (word == params::BoolWord::Neither) IgnoreParam(p, 1, "is not True, true, False or false");
  if (word == params::BoolWord::Off) w.Timer1().SetEnabled(false);
  auto& state = SharedRollState();
  state.limit = IntParam(p, 2);
  state.step = IntParam(p, 3);
  if (word == params::BoolWord::On) w.Timer1().SetEnabled(true);
}

}  // namespace pg::charts
