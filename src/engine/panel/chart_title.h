#pragma once
// The title above the plot and the foot below it.
#include <string>
#include <vector>

#include "engine/core/chart_pen.h"
#include "framework/alignment.h"

namespace pg::engine {

class TChartTitle {
 public:
  explicit TChartTitle(ChangeHandler onChange);

  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool v) { StoreIfChanged(adjustFrame_, v, onChange_); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { StoreIfChanged(alignment_, v, onChange_); }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { StoreIfChanged(color_, v, onChange_); }
  TChartFontObject& Font() { return font_; }
  const TChartFontObject& Font() const { return font_; }
  TChartHiddenPen& Frame() { return frame_; }
  const TChartHiddenPen& Frame() const { return frame_; }
  const std::vector<std::string>& Text() const { return text_; }
  // Text changes repaint always.
  void SetText(std::vector<std::string> lines);
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { StoreIfChanged(visible_, v, onChange_); }

 private:
  ChangeHandler onChange_;
  bool adjustFrame_ = true;
  TAlignment alignment_ = TAlignment::taCenter;
  TChartBrush brush_;
  TColor color_ = clDefault;
  TChartFontObject font_;
  TChartHiddenPen frame_;
  std::vector<std::string> text_;
  bool visible_ = true;
};

}  // namespace pg::engine
