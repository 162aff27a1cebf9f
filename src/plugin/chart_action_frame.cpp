#include "plugin/chart_action_frame.h"

#include "charts/chart_registry.h"
#include "charts/roll_state.h"
#include "framework/notes/action_notes.h"
#include "framework/text/codepage.h"
#include "plugin/host_services.h"

namespace pg::plugin {

namespace {
// A named constant: clang 14 crashes on a std::string built straight from the literal.
constexpr std::string_view kMissingChart = "Нет управления диаграммой прикреплённой к объекту "_cp;

// What a chart action can change: the panel counts its own changes; the timer
// and the shared roll bounds lie outside it.
struct ChangeStamp {
  unsigned long long panel;
  bool timer;
  std::int32_t limit, step;
  bool operator==(const ChangeStamp&) const = default;
};

ChangeStamp StampOf(charts::TChartImageForm& chart) {
  const auto& roll = charts::SharedRollState();
  return {chart.Chart1().ChangeCount(), chart.Timer1().Enabled(), roll.limit, roll.step};
}
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
    notes::NoteParam(1, name, "names no chart", true);
    return false;
  }
  const bool listening = notes::Listening();
  const ChangeStamp before = listening ? StampOf(*chart) : ChangeStamp{};
  try {
    if (handler) handler(*chart, params);
  } catch (const std::exception& e) {
    // Steps already done stay; the rest is skipped and only a listening host
    // hears why (the step that failed has said so, or its error does).
    if (!notes::Stopped()) notes::NoteParam(0, {}, e.what(), true);
  } catch (...) {
  }
  if (listening && !(StampOf(*chart) == before)) notes::NoteChange();
  return false;
}

}  // namespace pg::plugin
