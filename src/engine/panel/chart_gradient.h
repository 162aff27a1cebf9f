#pragma once
#include "engine/core/change_handler.h"
#include "framework/colour.h"

namespace pg::engine {

enum class TGradientDirection { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft };

class TChartGradient {
 public:
  explicit TChartGradient(ChangeHandler onChange = {}) : onChange_(std::move(onChange)) {}

  TGradientDirection Direction() const { return direction_; }
  void SetDirection(TGradientDirection v) { StoreIfChanged(direction_, v, onChange_); }
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor v) { StoreIfChanged(endColor_, v, onChange_); }
  TColor StartColor() const { return startColor_; }
  void SetStartColor(TColor v) { StoreIfChanged(startColor_, v, onChange_); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { StoreIfChanged(visible_, v, onChange_); }

 private:
  ChangeHandler onChange_;
  TGradientDirection direction_ = TGradientDirection::gdTopBottom;
  TColor endColor_ = clYellow;
  TColor startColor_ = clWhite;
  bool visible_ = false;
};

}  // namespace pg::engine
