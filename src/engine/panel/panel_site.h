#pragma once
// What the panel needs of the window it lives in: invalidation and its size.
#include "platform/graphics.h"

namespace pg::engine {

class TPanelSite {
 public:
  virtual void InvalidatePanel() = 0;

 protected:
  ~TPanelSite() = default;
};

}  // namespace pg::engine
