#pragma once
// The stored design of the chart window: what its chart and series look like
// before any action touches them.
#include "engine/panel/chart.h"
#include "engine/series/pie_series.h"

namespace pg::charts {

inline constexpr int kFormClientWidth = 524;
inline constexpr int kFormClientHeight = 246;

// Applies the design values to a new chart and its pie, and joins the pie to the chart.
void ApplyChartFormDesign(engine::TChart& chart, engine::TPieSeries& series);

}  // namespace pg::charts
