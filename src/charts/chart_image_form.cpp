#include "charts/chart_image_form.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "charts/marks_report.h"
#include "charts/roll_state.h"
#include "platform/window.h"

namespace pg::charts {

void TChartImageForm::FitToParent() {
  const auto parent = platform::GetParentWindow(Handle());
  const auto r = platform::GetClientRect(parent);
  platform::SetWindowPos(Handle(), platform::kHwndTop, 0, 0, r.right - r.left, r.bottom - r.top,
                         platform::kSwpShowWindow);
}

namespace {

std::string MarksText(const engine::TSeriesMarks& marks) {
  std::string text;
  for (const auto& m : marks.LastMarks()) {
    text += "mark " + std::to_string(m.index);
    if (m.dropped) {
      text += " dropped\n";
      continue;
    }
    for (int v : {m.box.left, m.box.top, m.box.right, m.box.bottom}) text += " " + std::to_string(v);
    for (const auto& p : m.leader) text += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    text += "\n";
  }
  return text;
}

// The pointer is trusted only from this thread: another process could send any.
void AnswerMarksReport(const engine::TSeriesMarks& marks, std::intptr_t lParam, std::intptr_t& result) {
  result = 0;
  if (!lParam || !platform::MessageFromThisThread()) return;
  auto* report = reinterpret_cast<TMarksReport*>(lParam);
  if (report->size != sizeof(TMarksReport)) return;
  const std::string text = MarksText(marks);
  report->length = static_cast<std::uint32_t>(text.size());
  if (report->text && report->capacity > 0) {
    const std::size_t n = std::min<std::size_t>(text.size(), report->capacity - 1);
    std::memcpy(report->text, text.data(), n);
    report->text[n] = '\0';
  }
  result = 1;
}

}  // namespace

bool TChartImageForm::HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                                    std::intptr_t& result) {
  if (msg == kMarksReportMessage) {
    AnswerMarksReport(Series1().Marks(), lParam, result);
    return true;
  }
  if (msg != kRefitMessage) return TImageForm::HandleMessage(msg, wParam, lParam, result);
  if (lParam == kRefitParam) FitToParent();
  result = 0;
  return true;  // never passed on, whatever the parameter
}

void TChartImageForm::Timer1Timer() { RollTick(Chart1().View3DOptions()); }

}  // namespace pg::charts
