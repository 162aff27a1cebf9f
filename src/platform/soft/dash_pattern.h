#pragma once
// GDI's cosmetic dash patterns (on, off, on, ... pixel counts), walked pixel by
// pixel along a path; the walk goes on across the segments of one path.
#include "platform/graphics.h"

namespace pg::platform::soft {

class DashWalker {
 public:
  explicit DashWalker(PenStyle style);
  bool Dashed() const { return count_ > 0; }
  // Whether the next pixel is drawn in the pen colour; moves on one pixel.
  bool Next();
  void Restart();

 private:
  const int* lengths_ = nullptr;
  int count_ = 0;
  int index_ = 0;
  int left_ = 0;
};

}  // namespace pg::platform::soft
