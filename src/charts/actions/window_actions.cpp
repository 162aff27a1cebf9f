#include "charts/actions/chart_actions.h"
#include "charts/roll_state.h"
#include "framework/params/word_format.h"
#include "framework/text/int_parse.h"

namespace pg::charts {

// Hides or shows the chart inside its window; the window itself stays shown.
void ChartVisible(TChartImageForm& w, const ActionParams& p) {
  switch (params::ReadBoolWord(p.at(1))) {
    case params::BoolWord::On: w.Chart1().SetVisible(true); break;
    case params::BoolWord::Off: w.Chart1().SetVisible(false); break;
    case params::BoolWord::Neither: break;
  }
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
