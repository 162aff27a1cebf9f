// What a window shows, built without the screen: its own paint into a bitmap,
// then each visible child's picture copied over it, bottom of the z-order first.
#include <windows.h>

#include <vector>

#include "platform/bitmap.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32/window/window_handle.h"

namespace pg::platform {

namespace {

// Deeper trees than any host builds are cut here rather than recursing on.
constexpr int kMaxDepth = 64;

// The window's background and client paint, as WM_PRINT would ask for them.
void PaintOwnClient(HWND w, HDC dc) {
  const int saved = ::SaveDC(dc);
  ::SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::RestoreDC(dc, saved);
  const int again = ::SaveDC(dc);
  ::SendMessageW(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ::RestoreDC(dc, again);
}

std::vector<HWND> ChildrenBottomFirst(HWND w) {
  std::vector<HWND> children;
  for (HWND c = ::GetWindow(w, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return {children.rbegin(), children.rend()};
}

std::unique_ptr<Bitmap> Compose(HWND w, int depth) {
  RECT client{};
  ::GetClientRect(w, &client);
  // A window too large for one bitmap shows its top-left part.
  int width = client.right, height = client.bottom;
  Bitmap::FitAllowedSize(width, height);
  auto picture = std::make_unique<Bitmap>(width, height);
  if (picture->Empty()) return picture;
  HDC dc = picture->impl().dc;
  PaintOwnClient(w, dc);
  if (depth >= kMaxDepth) return picture;
  for (HWND c : ChildrenBottomFirst(w)) {
    if (!(::GetWindowLongW(c, GWL_STYLE) & WS_VISIBLE)) continue;
    POINT origin{0, 0};
    ::MapWindowPoints(c, w, &origin, 1);
    auto child = Compose(c, depth + 1);
    // The copy clips the child to this window's client area.
    if (!child->Empty())
      ::BitBlt(dc, origin.x, origin.y, child->Width(), child->Height(), child->impl().dc, 0, 0, SRCCOPY);
  }
  ::GdiFlush();
  return picture;
}

}  // namespace

std::unique_ptr<Bitmap> CaptureWindow(WindowHandle window) {
  HWND w = win32::LiveWindow(window);
  if (!w) return nullptr;
  return Compose(w, 0);
}

}  // namespace pg::platform
