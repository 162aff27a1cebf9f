#include "platform/soft/raster/dash_pattern.h"

namespace pg::platform::soft {

namespace {

constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
constexpr int kAlternate[] = {1, 1};

}  // namespace

DashWalker::DashWalker(PenStyle style) {
  switch (style) {
    case PenStyle::psDash: lengths_ = kDash, count_ = 2; break;
    case PenStyle::psDot: lengths_ = kDot, count_ = 2; break;
    case PenStyle::psDashDot: lengths_ = kDashDot, count_ = 4; break;
    case PenStyle::psDashDotDot: lengths_ = kDashDotDot, count_ = 6; break;
    case PenStyle::psAlternate: lengths_ = kAlternate, count_ = 2, alternate_ = true; break;
    default: break;
  }
  Restart();
}

void DashWalker::Restart() {
  index_ = 0;
  left_ = count_ ? lengths_[0] : 0;
}

bool DashWalker::Next() {
  if (!count_) return true;
  const bool on = index_ % 2 == 0;
  if (--left_ == 0) {
    index_ = (index_ + 1) % count_;
    left_ = lengths_[index_];
  }
  return on;
}

}  // namespace pg::platform::soft
