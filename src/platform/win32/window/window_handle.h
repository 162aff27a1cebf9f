#pragma once
// Window handles of the platform interface are HWNDs on Windows.
#include <windows.h>

#include "platform/window.h"

namespace pg::platform::win32 {

inline HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
inline WindowHandle ToHandle(HWND h) { return reinterpret_cast<WindowHandle>(h); }

// The HWND when `h` names a live window, else null; IsWindow is safe on any value.
inline HWND LiveWindow(WindowHandle h) {
  HWND w = ToHwnd(h);
  return h != 0 && ::IsWindow(w) ? w : nullptr;
}

}  // namespace pg::platform::win32
