#pragma once
// GDI's cosmetic dash patterns (on, off, on, ... pixel counts), walked pixel by
// pixel along a path; the walk goes on across the segments of one path.
#include "platform/graphics.h"

namespace pg::platform::soft {

class DashWalker {
 public:
  explicit DashWalker(PenStyle style);
  bool Dashed() const { return count_ > 0; }
  // Whether an opaque background fills the gaps; the alternate pen only sets
  // its own pixels and leaves the others alone.
  bool GapsTakeBackground() const { return Dashed() && !alternate_; }
  // Whether the next pixel is drawn in the pen colour; moves on one pixel.
  bool Next();
  void Restart();

 private:
  const int* lengths_ = nullptr;
  int count_ = 0;
  int index_ = 0;
  int left_ = 0;
  bool alternate_ = false;
};

}  // namespace pg::platform::soft
