#include "charts/chart_registry.h"
#include "charts/chart_window_factory.h"
#include "framework/text/int_parse.h"
#include "plugin/actions/plain_actions.h"
#include "plugin/host_services.h"

namespace pg::plugin {

namespace {
constexpr int kAskWindowHandle = 7;
}

bool ChartCreateAction(const Params& p) {
  try {
    const std::string& name = p.at(0);
    charts::DeleteChartWindow(name);
    const auto answer = AskHost(kAskWindowHandle, name);
    if (!answer) return false;  // a host without interface access has no windows to give
    std::int32_t handle = 0;
    if (!text::TryStrToInt(answer->text, handle) || handle == 0) return false;
    return charts::CreateChartWindow(name, handle);
  } catch (...) {
    return false;
  }
}

bool ChartDeleteAction(const Params& p) {
  try {
    return charts::DeleteChartWindow(p.at(0));
  } catch (...) {
    return false;
  }
}

}  // namespace pg::plugin
