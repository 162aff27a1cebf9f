#include "platform/export/fill_queue.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace pg::platform {

namespace {

// A gradient from the centre fills four strips a step: eight waiting fills
// hold a step and the next, which covers it.
constexpr std::size_t kMaxWaiting = 8;
// Written fills kept to tell what colour a pixel shows.
constexpr std::size_t kMaxKept = 24;

// Whether r continues `band` below, above, right or left with the same span.
bool Continues(const TRect& band, const TRect& r) {
  const bool column = band.left == r.left && band.right == r.right;
  const bool row = band.top == r.top && band.bottom == r.bottom;
  return (column && (r.top == band.bottom || r.bottom == band.top)) ||
         (row && (r.left == band.right || r.right == band.left));
}

// The parts of a strip not yet accounted for: at most one more than the
// rectangles taken from it.
class Parts {
 public:
  Parts(int from, int to) { parts_[count_++] = {from, to}; }
  bool Empty() const { return count_ == 0; }
  bool Meets(int from, int to) const {
    for (std::size_t k = 0; k < count_; ++k)
      if (parts_[k].first < to && from < parts_[k].second) return true;
    return false;
  }
  void Remove(int from, int to) {
    std::array<std::pair<int, int>, kCapacity> left{};
    std::size_t n = 0;
    for (std::size_t k = 0; k < count_; ++k) {
      const auto [a, b] = parts_[k];
      if (b <= from || to <= a) {
        left[n++] = {a, b};
        continue;
      }
      if (a < from) left[n++] = {a, from};
      if (to < b) left[n++] = {to, b};
    }
    parts_ = left;
    count_ = n;
  }

 private:
  static constexpr std::size_t kCapacity = kMaxKept + 2;
  std::array<std::pair<int, int>, kCapacity> parts_{};
  std::size_t count_ = 0;
};

}  // namespace

void FillQueue::Add(const TRect& r, Color color) {
  if (waiting_ > 0) {
    TRect& last = entries_.back().fill.rect;
    if (entries_.back().fill.color == color && Continues(last, r)) {
      last = TRect{std::min(last.left, r.left), std::min(last.top, r.top), std::max(last.right, r.right),
                   std::max(last.bottom, r.bottom)};
      return;
    }
  }
  entries_.push_back(Entry{SolidFill{r, color}, false});
  ++waiting_;
  if (waiting_ > kMaxWaiting) WriteOldest();
  while (entries_.size() > kMaxKept && entries_.front().written) entries_.pop_front();
}

void FillQueue::Flush() {
  if (writing_) return;
  while (waiting_ > 0) WriteOldest();
  entries_.clear();
}

void FillQueue::WriteOldest() {
  const std::size_t i = entries_.size() - waiting_;
  SolidFill out = entries_[i].fill;
  TRect& g = out.rect;
  if (g.bottom < INT_MAX && Hidden(i, true, g.bottom, g.left, g.right)) ++g.bottom;
  if (g.top > INT_MIN && Hidden(i, true, g.top - 1, g.left, g.right)) --g.top;
  if (g.right < INT_MAX && Hidden(i, false, g.right, g.top, g.bottom)) ++g.right;
  if (g.left > INT_MIN && Hidden(i, false, g.left - 1, g.top, g.bottom)) --g.left;
  entries_[i].written = true;
  --waiting_;
  writing_ = true;
  try {
    write_(out);
  } catch (...) {
    writing_ = false;
    throw;
  }
  writing_ = false;
}

bool FillQueue::Hidden(std::size_t i, bool row, int line, int from, int to) const {
  Parts open(from, to);
  // The span of fill j on the line, if it crosses it.
  auto span = [&](std::size_t j, int& a, int& b) {
    const TRect& r = entries_[j].fill.rect;
    if (row ? (line < r.top || line >= r.bottom) : (line < r.left || line >= r.right)) return false;
    a = row ? r.left : r.top;
    b = row ? r.right : r.bottom;
    return true;
  };
  int a = 0, b = 0;
  for (std::size_t j = i + 1; j < entries_.size(); ++j)
    if (span(j, a, b)) open.Remove(a, b);
  // What is left shows the colour of the latest fill before i over it.
  for (std::size_t j = i; j-- > 0 && !open.Empty();) {
    if (!span(j, a, b) || !open.Meets(a, b)) continue;
    if (entries_[j].fill.color != entries_[i].fill.color) return false;
    open.Remove(a, b);
  }
  return open.Empty();
}

}  // namespace pg::platform
