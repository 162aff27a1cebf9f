#pragma once
// What most chart actions share: find the chart by the rectangle name in slot 0,
// report a missing one in "[LastError]", run the steps inside one guard that
// swallows the first failure, and answer false.
#include <string_view>

#include "charts/chart_action.h"
#include "plugin/action_params.h"

namespace pg::plugin {

using charts::ChartHandler;

bool RunChartAction(const Params& params, ChartHandler handler);

// "Нет управления диаграммой прикреплённой к объекту <name>."
std::string MissingChartMessage(std::string_view rectangleName);

}  // namespace pg::plugin
