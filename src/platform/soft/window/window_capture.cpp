// What a window shows: its last paint with its visible children over it.
#include "platform/soft/window/window_tree.h"

namespace pg::platform {

namespace {

void Compose(WindowHandle h, Bitmap& target) {
  soft::SoftWindow* w = soft::Tree().Find(h);
  if (!w) return;
  const TRect client{0, 0, w->rect.Width(), w->rect.Height()};
  if (w->surface) {
    target.Dc().BitBlt(0, 0, client.right, client.bottom, *w->surface, 0, 0);
  } else {
    Brush b;
    b.color = ColorToRgb(w->background);
    target.Dc().SetBrush(b);
    target.Dc().FillRect(client);
  }
  for (WindowHandle c : w->children) {
    soft::SoftWindow* child = soft::Tree().Find(c);
    if (!child || !child->visible || child->rect.Width() <= 0 || child->rect.Height() <= 0) continue;
    int width = child->rect.Width(), height = child->rect.Height();
    Bitmap::FitAllowedSize(width, height);
    Bitmap picture(width, height);
    Compose(c, picture);
    // The child is clipped to this window's client area by the copy.
    target.Dc().BitBlt(child->rect.left, child->rect.top, picture.Width(), picture.Height(), picture,
                       0, 0);
  }
}

}  // namespace

std::unique_ptr<Bitmap> CaptureWindow(WindowHandle window) {
  soft::SoftWindow* w = soft::Tree().Find(window);
  if (!w) return nullptr;
  // A window too large for one bitmap shows its top-left part.
  int width = w->rect.Width(), height = w->rect.Height();
  Bitmap::FitAllowedSize(width, height);
  auto picture = std::make_unique<Bitmap>(width, height);
  Compose(window, *picture);
  return picture;
}

}  // namespace pg::platform
