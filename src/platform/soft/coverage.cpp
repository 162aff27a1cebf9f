#include "platform/soft/coverage.h"

#include <algorithm>

namespace pg::platform::soft {

Coverage::Coverage(const TRect& bounds) : bounds_(bounds) {
  if (bounds_.right < bounds_.left) bounds_.right = bounds_.left;
  if (bounds_.bottom < bounds_.top) bounds_.bottom = bounds_.top;
  width_ = bounds_.Width();
  bits_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(bounds_.Height()), 0);
  rowMinX_.assign(static_cast<std::size_t>(bounds_.Height()), bounds_.right);
  rowMaxX_.assign(static_cast<std::size_t>(bounds_.Height()), bounds_.left - 1);
  minX_ = bounds_.right;
  minY_ = bounds_.bottom;
  maxX_ = bounds_.left - 1;
  maxY_ = bounds_.top - 1;
}

void Coverage::Add(int x, int y) {
  if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return;
  const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
  std::uint8_t& b = bits_[r * width_ + (x - bounds_.left)];
  if (b) return;
  b = 1;
  ++count_;
  rowMinX_[r] = std::min(rowMinX_[r], x);
  rowMaxX_[r] = std::max(rowMaxX_[r], x);
  minX_ = std::min(minX_, x);
  maxX_ = std::max(maxX_, x);
  minY_ = std::min(minY_, y);
  maxY_ = std::max(maxY_, y);
}

// A whole run at once: filled areas are made of spans, and a pixel-by-pixel Add
// with its bounds updates was the bulk of a paint.
void Coverage::AddSpan(int y, int x0, int x1) {
  if (y < bounds_.top || y >= bounds_.bottom) return;
  x0 = std::max(x0, bounds_.left);
  x1 = std::min(x1, bounds_.right);
  if (x0 >= x1) return;
  const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
  std::uint8_t* row = &bits_[r * width_ + (x0 - bounds_.left)];
  long long added = 0;
  for (int i = 0; i < x1 - x0; ++i) {
    added += row[i] == 0;
    row[i] = 1;
  }
  count_ += added;
  rowMinX_[r] = std::min(rowMinX_[r], x0);
  rowMaxX_[r] = std::max(rowMaxX_[r], x1 - 1);
  minX_ = std::min(minX_, x0);
  maxX_ = std::max(maxX_, x1 - 1);
  minY_ = std::min(minY_, y);
  maxY_ = std::max(maxY_, y);
}

bool Coverage::Has(int x, int y) const {
  if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return false;
  return bits_[static_cast<std::size_t>(y - bounds_.top) * width_ + (x - bounds_.left)] != 0;
}

void Coverage::Remove(int x, int y) {
  if (!Has(x, y)) return;
  bits_[static_cast<std::size_t>(y - bounds_.top) * width_ + (x - bounds_.left)] = 0;
  --count_;
}

void Coverage::Subtract(const Coverage& other) {
  other.ForEachSpan([this](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) Remove(x, y);
  });
}

void Coverage::Unite(const Coverage& other) {
  other.ForEachSpan([this](int y, int x0, int x1) { AddSpan(y, x0, x1); });
}

}  // namespace pg::platform::soft
