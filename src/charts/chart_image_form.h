#pragma once
// A chart window: the image form registered under the name of the host
// rectangle it lives in, refitted to its host window on request and rocked by
// its timer.
#include <string>

#include "charts/image_form.h"

namespace pg::charts {

// Sent by the host to a chart window; with lParam 4 the window refits itself
// to its parent's client area.
inline constexpr unsigned kRefitMessage = 0x04FA;
inline constexpr std::intptr_t kRefitParam = 4;

class TChartImageForm : public TImageForm {
 public:
  explicit TChartImageForm(std::string rectangleName) : rectangleName_(std::move(rectangleName)) {}

  const std::string& RectangleName() const { return rectangleName_; }

  // Places the window at (0, 0) of its parent with the parent's client size, on
  // top of its siblings, and shows it.
  void FitToParent();

 protected:
  bool HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) override;
  void Timer1Timer() override;

 private:
  std::string rectangleName_;
};

}  // namespace pg::charts
