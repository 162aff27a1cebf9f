#include "charts/image_form.h"

#include "charts/chart_form_design.h"

namespace pg::charts {

TImageForm::TImageForm()
    : chart1_(std::make_unique<engine::TChart>()),
      series1_(std::make_unique<engine::TPieSeries>()),
      timer1_(std::make_unique<forms::TTimer>()) {
  SetDesignPosition(95, 77);
  SetClientSize(kFormClientWidth, kFormClientHeight);
  SetColor(clBtnFace);
  SetFont(TFontSpec{"MS Sans Serif", clWindowText, 8, 0, 1});
  ApplyChartFormDesign(*chart1_, *series1_);
  chart1_->SetSite(this);
  timer1_->SetEnabled(false);
  timer1_->SetInterval(150);
  timer1_->SetOnTimer([this] { Timer1Timer(); });
}

TImageForm::~TImageForm() {
  timer1_.reset();
  chart1_->SetSite(nullptr);
  series1_.reset();
  chart1_.reset();
}

void TImageForm::Paint(platform::DeviceContext& dc, const platform::TRect& clientRect) {
  if (!chart1_->Visible()) {
    PaintColour(dc, clientRect);
    return;
  }
  chart1_->SetBounds(clientRect.Width(), clientRect.Height());
  chart1_->Paint(dc, clientRect);
}

}  // namespace pg::charts
