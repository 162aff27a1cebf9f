#include "plugin/chart_action_frame.h"

#include "charts/chart_registry.h"
#include "framework/text/codepage.h"
#include "plugin/host_services.h"

namespace pg::plugin {

namespace {
// A named constant: clang 14 crashes on a std::string built straight from the literal.
constexpr std::string_view kMissingChart = "Нет управления диаграммой прикреплённой к объекту "_cp;
}  // namespace

std::string MissingChartMessage(std::string_view rectangleName) {
  std::string msg(kMissingChart);
  msg.append(rectangleName);
  msg += '.';
  return msg;
}

bool RunChartAction(const Params& params, ChartHandler handler) {
  const std::string& name = params.at(0);
  auto* chart = charts::FindChartWindow(name);
  if (!chart) {
    SetHostVariable("[LastError]", MissingChartMessage(name));
    return false;
  }
  try {
    if (handler) handler(*chart, params);
  } catch (...) {
    // Steps already done stay; the rest is skipped and nothing is reported.
  }
  return false;
}

}  // namespace pg::plugin
