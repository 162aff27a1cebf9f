#pragma once
// Folder rule — soft/window: the portable build's windows, their messages, painting and
// timers; may include soft/ and the platform interface.
// The portable platform's windows: one tree in the platform library, shared by
// the host (its rectangle windows) and the module (chart windows inside them).
// Handles are never reused, so a stale handle never reaches a newer window.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/bitmap.h"
#include "platform/window.h"

namespace pg::platform::soft {

struct SoftWindow {
  WindowHandle handle = 0;
  WindowHandle parent = 0;               // 0 for a top-level (host) window
  std::vector<WindowHandle> children;    // z-order: the last one is on top
  TRect rect{};                          // in the parent's client coordinates
  bool visible = false;
  bool invalid = false;
  WindowClient* client = nullptr;        // null for host windows: they show their colour
  Color background = 0xFFFFFF;
  std::unique_ptr<Bitmap> surface;       // what the last paint left
};

class WindowTree {
 public:
  SoftWindow* Find(WindowHandle h);
  SoftWindow& Add(WindowHandle parent);
  // Removes the window and its descendants; the descendants' clients are told.
  void Destroy(WindowHandle h);
  // Top-level windows in creation order.
  const std::vector<WindowHandle>& TopLevel() const { return topLevel_; }
  // Visible with every ancestor.
  bool Showing(const SoftWindow& w);
  // The window and its descendants need a paint.
  void InvalidateTree(SoftWindow& w);
  void RaiseOrLower(SoftWindow& w, WindowHandle insertAfter);

 private:
  void Remove(WindowHandle h, bool tellClient);

  std::map<WindowHandle, std::unique_ptr<SoftWindow>> windows_;
  std::vector<WindowHandle> topLevel_;
  WindowHandle next_ = 0x10010;
};

WindowTree& Tree();

}  // namespace pg::platform::soft
