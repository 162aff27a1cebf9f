#include "engine/panel/chart_title.h"

namespace pg::engine {

TChartTitle::TChartTitle(ChangeHandler onChange)
    : onChange_(std::move(onChange)),
      brush_(onChange_, clDefault, BrushStyle::bsSolid),
      font_(onChange_, TFontSpec{"Arial", clBlue, 8, 0, 1}),
      frame_(onChange_) {}

void TChartTitle::SetText(std::vector<std::string> lines) {
  text_ = std::move(lines);
  if (onChange_) onChange_();
}

}  // namespace pg::engine
