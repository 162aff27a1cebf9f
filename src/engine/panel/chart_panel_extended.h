#pragma once
// The panel's background layer: gradient and background picture, and saving the
// whole chart as a bitmap file.
#include <memory>
#include <string>

#include "engine/panel/chart_gradient.h"
#include "engine/panel/custom_chart_panel.h"
#include "engine/picture/picture.h"

namespace pg::engine {

enum class TBackImageMode { pbmStretch, pbmTile, pbmCenter };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

class TCustomChartPanelExtended : public TCustomChartPanel {
 public:
  TCustomChartPanelExtended();
  ~TCustomChartPanelExtended() override;

  TChartGradient& Gradient() { return gradient_; }
  const TChartGradient& Gradient() const { return gradient_; }
  // Any change of the picture's content repaints the panel.
  TPicture& BackImage() { return *backImage_; }
  const TPicture& BackImage() const { return *backImage_; }
  TBackImageMode BackImageMode() const { return backImageMode_; }
  void SetBackImageMode(TBackImageMode v) { Store(backImageMode_, v); }
  bool AllowZoom() const { return allowZoom_; }
  void SetAllowZoom(bool v) { Store(allowZoom_, v); }
  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode v) { Store(allowPanning_, v); }

  // The client rectangle: (0, 0, Width, Height).
  TRect GetDrawRect() const { return TRect{0, 0, Width(), Height()}; }
  // The whole chart drawn unbuffered (so in colour) into a new bitmap of the
  // panel's size and written as a Windows BMP. The file is replaced only once
  // the new one is complete; throws FileStreamError and leaves any old file as
  // it was when it cannot be written.
  void SaveChartBitmap(const std::string& fileName);

  // The back picture in rect by BackImageMode; depth is 0 for the panel-wide
  // picture and the chart depth for the one inside the plot.
  void DrawBackPicture(const TRect& rect, int depth);

 protected:
  void FillBackground(const TRect& rect) override;

 private:
  TChartGradient gradient_;
  std::unique_ptr<TPicture> backImage_;
  TBackImageMode backImageMode_ = TBackImageMode::pbmStretch;
  bool allowZoom_ = true;
  TPanningMode allowPanning_ = TPanningMode::pmBoth;
};

}  // namespace pg::engine
