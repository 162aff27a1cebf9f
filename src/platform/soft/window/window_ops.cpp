// Operations on windows by handle, for host and module windows alike.
#include "platform/soft/window/window_tree.h"

namespace pg::platform {

using soft::SoftWindow;
using soft::Tree;

TRect GetClientRect(WindowHandle window) {
  SoftWindow* w = Tree().Find(window);
  return w ? TRect{0, 0, w->rect.Width(), w->rect.Height()} : TRect{};
}

TRect GetWindowRectInParent(WindowHandle window) {
  SoftWindow* w = Tree().Find(window);
  return w ? w->rect : TRect{};
}

WindowHandle GetParentWindow(WindowHandle window) {
  SoftWindow* w = Tree().Find(window);
  return w ? w->parent : 0;
}

WindowHandle GetTopChildWindow(WindowHandle window) {
  SoftWindow* w = Tree().Find(window);
  return w && !w->children.empty() ? w->children.back() : 0;
}

bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                  unsigned flags) {
  SoftWindow* w = Tree().Find(window);
  if (!w) return false;
  const TRect before = w->rect;
  const bool wasVisible = w->visible;
  TRect r = w->rect;
  if (!(flags & kSwpNoMove)) {
    r.right = x + r.Width();
    r.bottom = y + r.Height();
    r.left = x;
    r.top = y;
  }
  if (!(flags & kSwpNoSize)) {
    r.right = r.left + (cx < 0 ? 0 : cx);
    r.bottom = r.top + (cy < 0 ? 0 : cy);
  }
  w->rect = r;
  if (!(flags & kSwpNoZOrder)) Tree().RaiseOrLower(*w, insertAfter);
  if (flags & kSwpShowWindow) w->visible = true;
  if (flags & kSwpHideWindow) w->visible = false;
  // A resized or newly shown window repaints whole; what it uncovered repaints too.
  if (r.Width() != before.Width() || r.Height() != before.Height() || (w->visible && !wasVisible))
    Tree().InvalidateTree(*w);
  if (w->rect != before || w->visible != wasVisible || !(flags & kSwpNoZOrder))
    if (SoftWindow* p = Tree().Find(w->parent)) p->invalid = true;
  return true;
}

bool ShowWindow(WindowHandle window, bool visible) {
  SoftWindow* w = Tree().Find(window);
  if (!w) return false;
  if (w->visible == visible) return true;
  w->visible = visible;
  if (visible) Tree().InvalidateTree(*w);
  if (SoftWindow* p = Tree().Find(w->parent)) p->invalid = true;
  return true;
}

bool IsWindowVisible(WindowHandle window) {
  SoftWindow* w = Tree().Find(window);
  return w && Tree().Showing(*w);
}

bool IsWindow(WindowHandle window) { return Tree().Find(window) != nullptr; }

bool InvalidateWindow(WindowHandle window) {
  SoftWindow* w = Tree().Find(window);
  if (!w) return false;
  w->invalid = true;
  return true;
}

std::intptr_t SendWindowMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  SoftWindow* w = Tree().Find(window);
  if (!w || !w->client || msg < kWmUser) return 0;
  std::intptr_t result = 0;
  return w->client->WindowMessage(msg, wParam, lParam, result) ? result : 0;
}

WindowHandle CreateHostWindow(int width, int height, Color background) {
  if (width < 0 || height < 0) return 0;
  SoftWindow& w = Tree().Add(0);
  w.rect = TRect{0, 0, width, height};
  w.background = background;
  w.visible = true;
  w.invalid = true;
  return w.handle;
}

void DestroyHostWindow(WindowHandle window) { Tree().Destroy(window); }

bool MessageFromThisThread() { return true; }  // one thread, one process

}  // namespace pg::platform
