#include "charts/actions/chart_actions.h"
#include "charts/roll_state.h"
#include "framework/params/word_format.h"
#include "framework/text/int_parse.h"

namespace pg::charts {

// Hides or shows the chart inside its window; the window itself stays shown.
void ChartVisible(TChartImageForm& w, const ActionParams& p) {
  if (const auto v = params::ReadBoolValue(p.at(1))) w.Chart1().SetVisible(*v);
}

// The off-test comes before the numbers and the on-test after them, so "False"
// stops the timer even when a number is malformed.
void ChartRoll(TChartImageForm& w, const ActionParams& p) {
  const auto word = params::ReadBoolWord(p.at(1));
  if (word == params::BoolWord::Off) w.Timer1().SetEnabled(false);
  auto& state = SharedRollState();
  state.limit = text::StrToInt(p.at(2));
  state.step = text::StrToInt(p.at(3));
  if (word == params::BoolWord::On) w.Timer1().SetEnabled(true);
}

}  // namespace pg::charts
