#pragma once
// The form of a chart window: the chart control filling its client area, the
// pie series of that chart, and the roll timer, built with their design values.
#include <memory>

#include "engine/panel/chart.h"
#include "engine/series/pie_series.h"
#include "framework/forms/form.h"
#include "framework/forms/timer.h"

namespace pg::charts {

class TImageForm : public forms::TForm, private engine::TPanelSite {
 public:
  TImageForm();
  ~TImageForm() override;

  engine::TChart& Chart1() { return *chart1_; }
  engine::TPieSeries& Series1() { return *series1_; }
  forms::TTimer& Timer1() { return *timer1_; }

 protected:
  // Chart1 is aligned to the whole client area; hidden, the form's colour shows.
  void Paint(platform::DeviceContext& dc, const platform::TRect& clientRect) override;
  // The roll timer's handler.
  virtual void Timer1Timer() {}
  // A chart whose window is gone stops its timer: the timer must not outlive
  // the window in a host that goes on to unload the module.
  void WindowLost() override { timer1_->SetEnabled(false); }

 private:
  void InvalidatePanel() override { Invalidate(); }

  // Declared in destruction order: the series leaves its chart first.
  std::unique_ptr<engine::TChart> chart1_;
  std::unique_ptr<engine::TPieSeries> series1_;
  std::unique_ptr<forms::TTimer> timer1_;
};

}  // namespace pg::charts
