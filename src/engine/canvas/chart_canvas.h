#pragma once
// The 2D base of the chart canvas: a platform surface and the canvas's own
// current pen, brush and font, which follow the canvas from target to target.
#include <string_view>

#include "framework/font_spec.h"
#include "platform/device_context.h"

namespace pg::engine {

class TChartCanvas {
 public:
  TChartCanvas();
  virtual ~TChartCanvas() = default;
  TChartCanvas(const TChartCanvas&) = delete;
  TChartCanvas& operator=(const TChartCanvas&) = delete;

  platform::DeviceContext* Target() const { return target_; }

  const platform::Pen& Pen() const { return pen_; }
  void SetPen(const platform::Pen& pen);
  const platform::Brush& Brush() const { return brush_; }
  void SetBrush(const platform::Brush& brush);
  void SetBrushColor(TColor c);
  void SetPenStyle(platform::PenStyle s);

  // The canvas font: a size in points drawn at PixelsPerInch; its colour is the text colour.
  const TFontSpec& Font() const { return font_; }
  void SetFont(const TFontSpec& font);
  int PixelsPerInch() const { return pixelsPerInch_; }

  int MeasureTextWidth(std::string_view text);
  int MeasureTextHeight(std::string_view text);

 protected:
  // Draws from now on into dc; the canvas objects are selected into it.
  void SetTarget(platform::DeviceContext* dc);
  // Selects a font for the next outputs without making it the canvas font.
  void SelectTemporaryFont(const platform::Font& font);
  void RestoreFont();

 private:
  void ApplyAll();
  platform::DeviceContext* target_ = nullptr;
  platform::Pen pen_;
  platform::Brush brush_;
  TFontSpec font_;
  int pixelsPerInch_;
};

}  // namespace pg::engine
