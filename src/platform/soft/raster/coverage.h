#pragma once
// The set of pixels one primitive touches, collected before painting so that each
// pixel is painted once whatever the shape's overlaps (exclusive-or pens rely on it).
//
// Its rows live in buffers reused from one shape to the next, and only the
// columns a row has touched are ever cleared or read: a shape costs its own
// pixels, not the empty parts of its bounding box (a thin slice of a large pie).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/graphics.h"
#include "platform/soft/raster/span_sink.h"

namespace pg::platform::soft {

class CoverageBuffer;

class Coverage final : public SpanSink {
 public:
  // Pixels outside `bounds` (the surface) are dropped.
  explicit Coverage(const TRect& bounds);
  Coverage(const Coverage& other);
  Coverage& operator=(const Coverage& other);
  Coverage(Coverage&& other) noexcept;
  Coverage& operator=(Coverage&& other) noexcept;
  ~Coverage();

  void Add(int x, int y);
  void AddSpan(int y, int x0, int x1) override;  // x1 exclusive
  bool Has(int x, int y) const;
  void Remove(int x, int y);
  void Subtract(const Coverage& other);
  void Unite(const Coverage& other);
  bool Empty() const { return count_ == 0; }
  const TRect& Bounds() const override { return bounds_; }

  // Calls f(a, b) for each run [a, b) of covered pixels of row y within [x0, x1).
  template <typename F>
  void ForEachRunIn(int y, int x0, int x1, F&& f) const {
    if (y < bounds_.top || y >= bounds_.bottom) return;
    const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
    const std::uint8_t* row = bits_ + r * width_;
    int x = std::max(x0, rowMinX_[r]) - bounds_.left;
    const int end = std::min(x1, rowMaxX_[r] + 1) - bounds_.left;
    while (x < end) {
      x = Skip(row, x, end, 0);
      const int start = x;
      x = Skip(row, x, end, 1);
      if (x > start) f(start + bounds_.left, x + bounds_.left);
    }
  }

  // Calls f(y, x0, x1) for each run of covered pixels, top to bottom.
  template <typename F>
  void ForEachSpan(F&& f) const {
    if (count_ == 0) return;
    for (int y = minY_; y <= maxY_; ++y) {
      const std::size_t r = static_cast<std::size_t>(y - bounds_.top);
      const std::uint8_t* row = bits_ + r * width_;
      int x = rowMinX_[r] - bounds_.left;
      const int end = rowMaxX_[r] - bounds_.left + 1;
      while (x < end) {
        x = Skip(row, x, end, 0);
        const int start = x;
        x = Skip(row, x, end, 1);
        if (x > start) f(y, start + bounds_.left, x + bounds_.left);
      }
    }
  }

 private:
  // The first column from x on (before end) whose byte is not `value`, eight
  // at a time over long runs: a wide fill is mostly whole words.
  static int Skip(const std::uint8_t* row, int x, int end, std::uint8_t value) {
    const std::uint64_t all = value * 0x0101010101010101ULL;
    for (std::uint64_t word; x + 8 <= end; x += 8) {
      std::memcpy(&word, row + x, 8);
      if (word != all) break;
    }
    while (x < end && row[x] == value) ++x;
    return x;
  }
  void Take(const TRect& bounds);
  void CopyFrom(const Coverage& other);
  // Makes row r's valid columns include [x0, x1] (absolute), clearing the new ones.
  void Widen(std::size_t r, int x0, int x1);

  TRect bounds_;
  std::size_t width_ = 0;
  std::unique_ptr<CoverageBuffer> buffer_;
  // Into buffer_: one byte a pixel; of each row only the columns between
  // rowMinX_ and rowMaxX_ hold values, the rest is left from earlier shapes.
  std::uint8_t* bits_ = nullptr;
  int* rowMinX_ = nullptr;
  int* rowMaxX_ = nullptr;
  // Covered pixels of each row: a run over a full row costs nothing (a wide
  // pen's discs cover the same rows again for every point of a path).
  int* rowCount_ = nullptr;
  long long count_ = 0;
  int minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;  // of the covered pixels
};

}  // namespace pg::platform::soft
