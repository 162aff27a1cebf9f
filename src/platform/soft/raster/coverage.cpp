#include "platform/soft/raster/coverage.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/soft/raster/coverage_buffer.h"

namespace pg::platform::soft {

Coverage::Coverage(const TRect& bounds) { Take(bounds); }

void Coverage::Take(const TRect& bounds) {
  bounds_ = bounds;
  if (bounds_.right < bounds_.left) bounds_.right = bounds_.left;
  if (bounds_.bottom < bounds_.top) bounds_.bottom = bounds_.top;
  width_ = static_cast<std::size_t>(bounds_.Width());
  const auto height = static_cast<std::size_t>(bounds_.Height());
  buffer_ = CoverageBuffer::Take(width_ * height, height);
  bits_ = buffer_->Bits();
  rowMinX_ = buffer_->RowNumbers();
  rowMaxX_ = rowMinX_ + height;
  rowCount_ = rowMaxX_ + height;
  std::fill(rowMinX_, rowMinX_ + height, bounds_.right);
  std::fill(rowMaxX_, rowMaxX_ + height, bounds_.left - 1);
  std::fill(rowCount_, rowCount_ + height, 0);
  count_ = 0;
  minX_ = bounds_.right;
  minY_ = bounds_.bottom;
  maxX_ = bounds_.left - 1;
  maxY_ = bounds_.top - 1;
}

void Coverage::CopyFrom(const Coverage& other) {
  Take(other.bounds_);
  const auto height = static_cast<std::size_t>(bounds_.Height());
  std::copy(other.rowMinX_, other.rowMinX_ + height, rowMinX_);
  std::copy(other.rowMaxX_, other.rowMaxX_ + height, rowMaxX_);
  std::copy(other.rowCount_, other.rowCount_ + height, rowCount_);
  for (std::size_t r = 0; r < height; ++r) {
    if (rowMaxX_[r] < rowMinX_[r]) continue;
    const std::size_t at = r * width_ + static_cast<std::size_t>(rowMinX_[r] - bounds_.left);
    std::memcpy(bits_ + at, other.bits_ + at, static_cast<std::size_t>(rowMaxX_[r] - rowMinX_[r] + 1));
  }
  count_ = other.count_;
  minX_ = other.minX_;
  minY_ = other.minY_;
  maxX_ = other.maxX_;
  maxY_ = other.maxY_;
}

Coverage::Coverage(const Coverage& other) { CopyFrom(other); }

Coverage& Coverage::operator=(const Coverage& other) {
  if (this != &other) {
    CoverageBuffer::GiveBack(std::move(buffer_));
    CopyFrom(other);
  }
  return *this;
}

Coverage::Coverage(Coverage&& other) noexcept
    : bounds_(other.bounds_),
      width_(other.width_),
      buffer_(std::move(other.buffer_)),
      bits_(std::exchange(other.bits_, nullptr)),
      rowMinX_(std::exchange(other.rowMinX_, nullptr)),
      rowMaxX_(std::exchange(other.rowMaxX_, nullptr)),
      rowCount_(std::exchange(other.rowCount_, nullptr)),
      count_(std::exchange(other.count_, 0)),
      minX_(other.minX_),
      minY_(other.minY_),
      maxX_(other.maxX_),
      maxY_(other.maxY_) {
  // The moved-from coverage is empty and covers no rows.
  other.bounds_ = TRect{};
  other.width_ = 0;
}

Coverage& Coverage::operator=(Coverage&& other) noexcept {
  if (this != &other) {
    CoverageBuffer::GiveBack(std::move(buffer_));
    bounds_ = std::exchange(other.bounds_, TRect{});
    width_ = std::exchange(other.width_, 0);
    buffer_ = std::move(other.buffer_);
    bits_ = std::exchange(other.bits_, nullptr);
    rowMinX_ = std::exchange(other.rowMinX_, nullptr);
    rowMaxX_ = std::exchange(other.rowMaxX_, nullptr);
    rowCount_ = std::exchange(other.rowCount_, nullptr);
    count_ = std::exchange(other.count_, 0);
    minX_ = other.minX_;
    minY_ = other.minY_;
    maxX_ = other.maxX_;
    maxY_ = other.maxY_;
  }
  return *this;
}

Coverage::~Coverage() { CoverageBuffer::GiveBack(std::move(buffer_)); }

void Coverage::Widen(std::size_t r, int x0, int x1) {
  std::uint8_t* row = bits_ + r * width_;
  const auto at = [this](int x) { return static_cast<std::size_t>(x - bounds_.left); };
  int& lo = rowMinX_[r];
  int& hi = rowMaxX_[r];
  if (hi < lo) {
    std::memset(row + at(x0), 0, static_cast<std::size_t>(x1 - x0 + 1));
    lo = x0;
    hi = x1;
    return;
  }
  if (x0 < lo) {
    std::memset(row + at(x0), 0, static_cast<std::size_t>(lo - x0));
    lo = x0;
  }
  if (x1 > hi) {
    std::memset(row + at(hi + 1), 0, static_cast<std::size_t>(x1 - hi));
    hi = x1;
  }
}

void Coverage::Add(int x, int y) {
  if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return;
  const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
  if (x < rowMinX_[r] || x > rowMaxX_[r]) Widen(r, x, x);
  std::uint8_t& b = bits_[r * width_ + static_cast<std::size_t>(x - bounds_.left)];
  if (b) return;
  b = 1;
  ++count_;
  ++rowCount_[r];
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
  if (static_cast<std::size_t>(rowCount_[r]) == width_) return;
  const bool fresh = rowMaxX_[r] < rowMinX_[r] || x1 <= rowMinX_[r] || x0 > rowMaxX_[r];
  if (x0 < rowMinX_[r] || x1 - 1 > rowMaxX_[r]) Widen(r, x0, x1 - 1);
  std::uint8_t* row = bits_ + r * width_ + static_cast<std::size_t>(x0 - bounds_.left);
  if (fresh) {
    // The run lies outside what the row covered: every pixel is new.
    std::memset(row, 1, static_cast<std::size_t>(x1 - x0));
    count_ += x1 - x0;
    rowCount_[r] += x1 - x0;
  } else {
    int added = 0;
    for (int i = 0; i < x1 - x0; ++i) {
      added += row[i] == 0;
      row[i] = 1;
    }
    count_ += added;
    rowCount_[r] += added;
  }
  minX_ = std::min(minX_, x0);
  maxX_ = std::max(maxX_, x1 - 1);
  minY_ = std::min(minY_, y);
  maxY_ = std::max(maxY_, y);
}

bool Coverage::Has(int x, int y) const {
  if (y < bounds_.top || y >= bounds_.bottom) return false;
  const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
  if (x < rowMinX_[r] || x > rowMaxX_[r]) return false;
  return bits_[r * width_ + static_cast<std::size_t>(x - bounds_.left)] != 0;
}

void Coverage::Remove(int x, int y) {
  if (!Has(x, y)) return;
  const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
  bits_[r * width_ + static_cast<std::size_t>(x - bounds_.left)] = 0;
  --count_;
  --rowCount_[r];
}

void Coverage::Subtract(const Coverage& other) {
  // A run at a time: a wide pen's outline subtracts millions of pixels.
  other.ForEachSpan([this](int y, int x0, int x1) {
    if (y < bounds_.top || y >= bounds_.bottom) return;
    const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
    const int a = std::max(x0, rowMinX_[r]), b = std::min(x1, rowMaxX_[r] + 1);
    if (a >= b) return;
    std::uint8_t* row = bits_ + r * width_ + static_cast<std::size_t>(a - bounds_.left);
    int removed = 0;
    for (int i = 0; i < b - a; ++i) removed += row[i];
    std::memset(row, 0, static_cast<std::size_t>(b - a));
    count_ -= removed;
    rowCount_[r] -= removed;
  });
}

void Coverage::Unite(const Coverage& other) {
  other.ForEachSpan([this](int y, int x0, int x1) { AddSpan(y, x0, x1); });
}

}  // namespace pg::platform::soft
