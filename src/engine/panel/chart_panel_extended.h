#pragma once
// The panel's background layer: gradient and background picture.
#include "engine/panel/chart_gradient.h"
#include "engine/panel/custom_chart_panel.h"

namespace pg::engine {

enum class TBackImageMode { pbmStretch, pbmTile, pbmCenter };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

class TCustomChartPanelExtended : public TCustomChartPanel {
 public:
  TCustomChartPanelExtended();

  TChartGradient& Gradient() { return gradient_; }
  const TChartGradient& Gradient() const { return gradient_; }
  TBackImageMode BackImageMode() const { return backImageMode_; }
  void SetBackImageMode(TBackImageMode v) { Store(backImageMode_, v); }
  bool AllowZoom() const { return allowZoom_; }
  void SetAllowZoom(bool v) { Store(allowZoom_, v); }
  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode v) { Store(allowPanning_, v); }

 protected:
  void FillBackground(const TRect& rect) override;

 private:
  TChartGradient gradient_;
  TBackImageMode backImageMode_ = TBackImageMode::pbmStretch;
  bool allowZoom_ = true;
  TPanningMode allowPanning_ = TPanningMode::pmBoth;
};

}  // namespace pg::engine
