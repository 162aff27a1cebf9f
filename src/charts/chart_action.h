#pragma once
// The shape of a chart action's handler: it gets the chart window found by the
// rectangle name and the action's parameter texts (slot 0 is the name). It may
// throw; the frame that calls it swallows the failure.
#include <string>
#include <vector>

#include "charts/chart_image_form.h"

namespace pg::charts {

using ActionParams = std::vector<std::string>;
using ChartHandler = void (*)(TChartImageForm& chart, const ActionParams& params);

}  // namespace pg::charts
