#include "engine/series/series_marks.h"

#include <algorithm>

#include "platform/device_context.h"

namespace pg::engine {

TSeriesMarks::TSeriesMarks(ChangeHandler onChange)
    : onChange_(onChange), arrow_(onChange, clWhite), font_(onChange), frame_(onChange) {}

TSeriesMarkPosition& TSeriesMarks::PositionAt(int index) {
  const auto i = static_cast<std::size_t>(index);
  if (positions_.size() <= i) positions_.resize(i + 1);
  if (!positions_[i]) positions_[i].emplace();
  return *positions_[i];
}

void TSeriesMarks::InsertPosition(int index) {
  const auto i = static_cast<std::size_t>(index);
  if (i <= positions_.size()) positions_.insert(positions_.begin() + static_cast<std::ptrdiff_t>(i), std::nullopt);
}

void TSeriesMarks::DeletePosition(int index) {
  const auto i = static_cast<std::size_t>(index);
  if (i < positions_.size()) positions_.erase(positions_.begin() + static_cast<std::ptrdiff_t>(i));
}

int TSeriesMarks::FrameRoom() const {
  if (!frame_.Visible()) return 0;
  return std::clamp(frame_.Width(), 0, platform::DeviceContext::kMaxPenWidth);
}

void TSeriesMarks::CopyPen(const TChartPen& from, TChartPen& to) {
  to.SetColor(from.Color());
  to.SetWidth(from.Width());
  to.SetStyle(from.Style());
  to.SetMode(from.Mode());
  to.SetSmallDots(from.SmallDots());
  to.SetVisible(from.Visible());
}

}  // namespace pg::engine
