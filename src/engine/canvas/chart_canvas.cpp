#include "engine/canvas/chart_canvas.h"

#include "engine/core/chart_pen.h"
#include "platform/graphics.h"
#include "platform/screen_metrics.h"

namespace pg::engine {

TChartCanvas::TChartCanvas()
    : font_(TChartFontObject::DefaultSpec()), pixelsPerInch_(platform::ScreenPixelsPerInch()) {
  if (pixelsPerInch_ <= 0) pixelsPerInch_ = 96;
}

void TChartCanvas::SetTarget(platform::DeviceContext* dc) {
  target_ = dc;
  ApplyAll();
}

void TChartCanvas::ApplyAll() {
  if (!target_) return;
  target_->SetPen(pen_);
  target_->SetBrush(brush_);
  target_->SetFont(ToPlatformFont(font_, pixelsPerInch_));
  target_->SetTextColor(platform::ColorToRgb(font_.color));
}

void TChartCanvas::SetPen(const platform::Pen& pen) {
  pen_ = pen;
  pen_.color = platform::ColorToRgb(pen.color);
  if (target_) target_->SetPen(pen_);
}

void TChartCanvas::SetPenStyle(platform::PenStyle s) {
  platform::Pen p = pen_;
  p.style = s;
  SetPen(p);
}

void TChartCanvas::SetBrush(const platform::Brush& brush) {
  brush_ = brush;
  brush_.color = platform::ColorToRgb(brush.color);
  if (target_) target_->SetBrush(brush_);
}

void TChartCanvas::SetBrushColor(TColor c) {
  platform::Brush b = brush_;
  b.color = c;
  SetBrush(b);
}

void TChartCanvas::SetFont(const TFontSpec& font) {
  font_ = font;
  if (!target_) return;
  target_->SetFont(ToPlatformFont(font_, pixelsPerInch_));
  target_->SetTextColor(platform::ColorToRgb(font_.color));
}

void TChartCanvas::SelectTemporaryFont(const platform::Font& font) {
  if (target_) target_->SetFont(font);
}

void TChartCanvas::RestoreFont() {
  if (target_) target_->SetFont(ToPlatformFont(font_, pixelsPerInch_));
}

int TChartCanvas::MeasureTextWidth(std::string_view text) { return target_ ? target_->TextExtent(text).cx : 0; }

int TChartCanvas::MeasureTextHeight(std::string_view text) { return target_ ? target_->TextExtent(text).cy : 0; }

}  // namespace pg::engine
