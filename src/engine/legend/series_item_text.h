#pragma once
// The text a series gives one of its legend items (also shown by the legend mark style).
#include <string>

#include "engine/legend/legend_styles.h"

namespace pg::engine {

class TChartSeries;

// Item `item` (a legend item number, mapped to a value index by the series)
// composed by style; carriage returns become blanks. An item that names no point
// (-1 included) gives an empty text.
std::string SeriesItemText(const TChartSeries& series, int item, TLegendTextStyle style);
// The same text appended to out (what out held stays as it was).
void AppendSeriesItemText(std::string& out, const TChartSeries& series, int item, TLegendTextStyle style);

}  // namespace pg::engine
