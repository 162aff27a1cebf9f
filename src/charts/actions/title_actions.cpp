#include "charts/actions/chart_actions.h"
#include "charts/actions/chart_font_target.h"
#include "framework/errors.h"
#include "charts/actions/param_readers.h"
#include "framework/params/word_format.h"

namespace pg::charts {

namespace {

// Text of line 0, font, alignment; in this order, each kept when a later one fails.
void SetTitleBlock(engine::TChartTitle& title, const ActionParams& p) {
  auto lines = title.Text();
  if (lines.empty()) throw ListIndexError(0);
  lines[0] = p.at(1);
  title.SetText(std::move(lines));
  ChartFontTarget font(title.Font());
  FontParam(p, 2, font, false);
  if (const auto alignment = params::ReadAlignmentWord(p.at(3)))
    title.SetAlignment(*alignment);
  else
    IgnoreParam(p, 3, "is not one of Left, Center or Right");
}

}  // namespace

void SetTitleChart(TChartImageForm& w, const ActionParams& p) { SetTitleBlock(w.Chart1().Title(), p); }
void SetFootChart(TChartImageForm& w, const ActionParams& p) { SetTitleBlock(w.Chart1().Foot(), p); }

}  // namespace pg::charts
