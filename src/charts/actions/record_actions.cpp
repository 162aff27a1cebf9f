#include "charts/actions/chart_actions.h"
#include <cstdint>
#include "framework/params/colour_format.h"
#include "framework/text/float_parse.h"
#include "framework/text/int_parse.h"
#include "platform/locale.h"

namespace pg::charts {

// The colour is read before the value, so either being malformed adds nothing.
void AddSeriesChart(TChartImageForm& w, const ActionParams& p) {
  const TColor colour = p.at(3).empty() ? clDefault : params::ReadColourTriple(p.at(3));
  const double value = text::StrToFloat(p.at(1), platform::DecimalSeparator());
  w.Series1().AddPoint(value, p.at(2), colour);
}

// Numbered from 1; a number outside the records fails in the series and changes nothing.
void DeleteSeries(TChartImageForm& w, const ActionParams& p) {
  const std::int32_t n = text::StrToInt(p.at(1));
  if (n == INT32_MIN) return;  // n - 1 would leave the integer range
  w.Series1().DeletePoint(n - 1);
}

void ClearSeries(TChartImageForm& w, const ActionParams&) { w.Series1().ClearPoints(); }

}  // namespace pg::charts
