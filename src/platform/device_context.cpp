#include "platform/device_context.h"

#include <algorithm>
#include <climits>

namespace pg::platform {

void DeviceContext::SetPen(const Pen& pen) {
  pen_ = pen;
  if (pen_.width < 1) pen_.width = 1;
  if (pen_.width > kMaxPenWidth) pen_.width = kMaxPenWidth;
  PenChanged();
}

void DeviceContext::SetBrush(const Brush& brush) {
  brush_ = brush;
  BrushChanged();
}

void DeviceContext::SetFont(const Font& font) {
  font_ = font;
  FontChanged();
}

void DeviceContext::SetTextColor(Color c) {
  textColor_ = c;
  AttributesChanged();
}

void DeviceContext::SetBkColor(Color c) {
  bkColor_ = c;
  AttributesChanged();
}

void DeviceContext::SetBkMode(int mode) {
  if (mode != kTransparent && mode != kOpaque) return;
  bkMode_ = mode;
  AttributesChanged();
}

void DeviceContext::SetTextAlign(unsigned flags) {
  textAlign_ = flags;
  AttributesChanged();
}

void DeviceContext::SetPolyFillMode(int mode) {
  if (mode != kAlternate && mode != kWinding) return;
  fillMode_ = mode;
  AttributesChanged();
}

std::vector<int> DeviceContext::CharacterStarts(std::string_view text) {
  std::vector<int> starts(text.size() + 1, 0);
  for (std::size_t i = 0; i < text.size(); ++i) starts[i + 1] = NextStart(starts[i], TextExtent(text.substr(i, 1)).cx);
  return starts;
}

int DeviceContext::NextStart(int start, long long advance) {
  return static_cast<int>(std::clamp<long long>(start + advance, INT_MIN, INT_MAX));
}

}  // namespace pg::platform
