#pragma once
// Where a shape's pixel runs go: into a coverage, collected before painting, or
// straight onto the surface.
#include "platform/graphics.h"

namespace pg::platform::soft {

class SpanSink {
 public:
  // Runs are cut to these bounds.
  virtual const TRect& Bounds() const = 0;
  virtual void AddSpan(int y, int x0, int x1) = 0;  // x1 exclusive

 protected:
  ~SpanSink() = default;
};

}  // namespace pg::platform::soft
