#include <cstdint>
#include <string>

#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"

namespace pg::charts {

// The colour is read before the value, so either being malformed adds nothing.
void AddSeriesChart(TChartImageForm& w, const ActionParams& p) {
  const TColor colour = p.at(3).empty() ? clDefault : ColourParam(p, 3);
  const double value = NumberParam(p, 1);
  w.Series1().AddPoint(value, p.at(2), colour);
}

// Numbered from 1; a number outside the records fails in the series and changes nothing.
void DeleteSeries(TChartImageForm& w, const ActionParams& p) {
  const std::int32_t n = IntParam(p, 1);
  const int count = w.Series1().PointCount();
  if (n < 1 || n > count)
    NoteRefusal(p, 1, count == 0 ? std::string("is not a record number: there are no records")
                                 : "is not a record number (1 to " + std::to_string(count) + ")");
  if (n == INT32_MIN) return;  // n - 1 would leave the integer range
  w.Series1().DeletePoint(n - 1);
}

void ClearSeries(TChartImageForm& w, const ActionParams&) { w.Series1().ClearPoints(); }

}  // namespace pg::charts
