#pragma once
// The chart's legend as the chart publishes it; it adds nothing to the drawing.
#include "engine/legend/custom_chart_legend.h"

namespace pg::engine {

class TChartLegend final : public TCustomChartLegend {
 public:
  using TCustomChartLegend::TCustomChartLegend;
};

}  // namespace pg::engine
