#include "engine/panel/chart_panel_extended.h"

namespace pg::engine {

TCustomChartPanelExtended::TCustomChartPanelExtended() : gradient_([this] { RequestRepaint(); }) {}

void TCustomChartPanelExtended::FillBackground(const TRect& rect) {
  if (!gradient_.Visible()) {
    TCustomChartPanel::FillBackground(rect);
    return;
  }
  const auto d = gradient_.Direction();
  if (d == TGradientDirection::gdTopBottom || d == TGradientDirection::gdLeftRight)
    Canvas().FillGradient(rect, gradient_.StartColor(), gradient_.EndColor(), d);
  else
    Canvas().FillGradient(rect, gradient_.EndColor(), gradient_.StartColor(), d);
}

}  // namespace pg::engine
