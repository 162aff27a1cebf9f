#include "charts/chart_registry.h"
#include "charts/chart_window_factory.h"
#include "framework/notes/action_notes.h"
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
    if (charts::DeleteChartWindow(name)) notes::NoteChange();
    const auto answer = AskHost(kAskWindowHandle, name);
    std::int32_t handle = 0;
    // A host without interface access has no windows to give.
    if (!answer || !text::TryStrToInt(answer->text, handle) || handle == 0) {
      notes::NoteParam(1, name, "names no window of the host", true);
      return false;
    }
    const bool created = charts::CreateChartWindow(name, handle);
    if (!created) notes::NoteParam(1, name, "names a window no chart can be made in", true);
    return created;
  } catch (...) {
    return false;
  }
}

bool ChartDeleteAction(const Params& p) {
  try {
    const bool deleted = charts::DeleteChartWindow(p.at(0));
    if (!deleted) notes::NoteParam(1, p.at(0), "names no chart", true);
    return deleted;
  } catch (...) {
    return false;
  }
}

}  // namespace pg::plugin
