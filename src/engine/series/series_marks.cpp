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

std::vector<std::string> MarkLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  bool first = true;
  while (start < text.size()) {
    const std::size_t cr = text.find('\r', start);
    std::string line = text.substr(start, cr == std::string::npos ? std::string::npos : cr - start);
    if (!first && line.size() > 255) line.resize(255);
    lines.push_back(std::move(line));
    first = false;
    if (cr == std::string::npos) break;
    start = cr + 1;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

}  // namespace pg::engine
