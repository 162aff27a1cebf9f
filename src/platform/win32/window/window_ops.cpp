// Operations on any window by handle, the host's or the module's; handles that
// name no window are answered without calling into the system.
#include <windows.h>

#include "platform/win32/window/window_handle.h"

namespace pg::platform {

using win32::LiveWindow;

namespace {

TRect ToRect(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

// The parent of a child window; null for top-level and owned windows.
HWND ParentOf(HWND w) {
  if (!(::GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) return nullptr;
  return ::GetAncestor(w, GA_PARENT);
}

}  // namespace

TRect GetClientRect(WindowHandle window) {
  HWND w = LiveWindow(window);
  RECT r{};
  if (!w || !::GetClientRect(w, &r)) return {};
  return ToRect(r);
}

TRect GetWindowRectInParent(WindowHandle window) {
  HWND w = LiveWindow(window);
  RECT r{};
  if (!w || !::GetWindowRect(w, &r)) return {};
  if (HWND parent = ParentOf(w)) ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

WindowHandle GetParentWindow(WindowHandle window) {
  HWND w = LiveWindow(window);
  return w ? win32::ToHandle(ParentOf(w)) : 0;
}

WindowHandle GetTopChildWindow(WindowHandle window) {
  HWND w = LiveWindow(window);
  return w ? win32::ToHandle(::GetWindow(w, GW_CHILD)) : 0;
}

bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                  unsigned flags) {
  HWND w = LiveWindow(window);
  if (!w) return false;
  // A window that never takes activation is not activated by moving it either
  // (under Wine an activated window then waits for a window manager when it goes).
  if (::GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_NOACTIVATE) flags |= SWP_NOACTIVATE;
  // kHwndTop and kHwndBottom are HWND_TOP and HWND_BOTTOM.
  return ::SetWindowPos(w, win32::ToHwnd(insertAfter), x, y, cx, cy, flags);
}

bool ShowWindow(WindowHandle window, bool visible) {
  HWND w = LiveWindow(window);
  if (!w) return false;
  ::ShowWindow(w, visible ? SW_SHOWNA : SW_HIDE);
  return true;
}

bool IsWindowVisible(WindowHandle window) {
  HWND w = LiveWindow(window);
  return w && ::IsWindowVisible(w);
}

bool IsWindow(WindowHandle window) { return LiveWindow(window) != nullptr; }

bool InvalidateWindow(WindowHandle window) {
  HWND w = LiveWindow(window);
  return w && ::InvalidateRect(w, nullptr, FALSE);
}

std::intptr_t SendWindowMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  HWND w = LiveWindow(window);
  return w ? static_cast<std::intptr_t>(::SendMessageW(w, msg, wParam, lParam)) : 0;
}

bool MessageFromThisThread() { return !::InSendMessage(); }

}  // namespace pg::platform
