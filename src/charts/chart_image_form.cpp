#include "charts/chart_image_form.h"

#include "charts/roll_state.h"

namespace pg::charts {

void TChartImageForm::FitToParent() {
  const auto parent = platform::GetParentWindow(Handle());
  const auto r = platform::GetClientRect(parent);
  platform::SetWindowPos(Handle(), platform::kHwndTop, 0, 0, r.right - r.left, r.bottom - r.top,
                         platform::kSwpShowWindow);
}

bool TChartImageForm::HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                                    std::intptr_t& result) {
  if (msg != kRefitMessage) return TImageForm::HandleMessage(msg, wParam, lParam, result);
  if (lParam == kRefitParam) FitToParent();
  result = 0;
  return true;  // never passed on, whatever the parameter
}

void TChartImageForm::Timer1Timer() { RollTick(Chart1().View3DOptions()); }

}  // namespace pg::charts
