#pragma once
// The set of pixels one primitive touches, collected before painting so that each
// pixel is painted once whatever the shape's overlaps (exclusive-or pens rely on it).
#include <cstdint>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform::soft {

class Coverage {
 public:
  // Pixels outside `bounds` (the surface) are dropped.
  explicit Coverage(const TRect& bounds);

  void Add(int x, int y);
  void AddSpan(int y, int x0, int x1);  // x1 exclusive
  bool Has(int x, int y) const;
  void Remove(int x, int y);
  void Subtract(const Coverage& other);
  void Unite(const Coverage& other);
  bool Empty() const { return count_ == 0; }
  const TRect& Bounds() const { return bounds_; }

  // Calls f(y, x0, x1) for each run of covered pixels, top to bottom.
  template <typename F>
  void ForEachSpan(F&& f) const {
    if (count_ == 0) return;
    for (int y = minY_; y <= maxY_; ++y) {
      const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
      const std::uint8_t* row = &bits_[r * width_];
      int x = rowMinX_[r] - bounds_.left;
      const int end = rowMaxX_[r] - bounds_.left + 1;
      while (x < end) {
        while (x < end && !row[x]) ++x;
        const int start = x;
        while (x < end && row[x]) ++x;
        if (x > start) f(y, start + bounds_.left, x + bounds_.left);
      }
    }
  }

 private:
  TRect bounds_;
  int width_ = 0;
  std::vector<std::uint8_t> bits_;
  long long count_ = 0;
  int minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;  // of the covered pixels
  // Each row's covered columns lie within these (they never shrink): a span walk
  // reads only them, not the whole width, which thin shapes (slice edges, mark
  // arrows) left mostly empty.
  std::vector<int> rowMinX_, rowMaxX_;
};

}  // namespace pg::platform::soft
