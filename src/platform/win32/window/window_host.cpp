// The host's rectangle windows: borderless top-level windows, each of a class
// whose background brush is the window's colour (one class per colour in use).
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <string>

#include "platform/win32/window/window_class.h"
#include "platform/win32/window/window_handle.h"

namespace pg::platform {

namespace {

struct HostClass {
  std::wstring name;
  HBRUSH brush = nullptr;
  int windows = 0;
};

std::map<COLORREF, HostClass>& Classes() {
  static std::map<COLORREF, HostClass> classes;
  return classes;
}

// Every host window made here, with the colour of its class.
std::map<HWND, COLORREF>& Hosts() {
  static std::map<HWND, COLORREF> hosts;
  return hosts;
}

void Forget(HWND h) {
  auto it = Hosts().find(h);
  if (it == Hosts().end()) return;
  auto c = Classes().find(it->second);
  if (c != Classes().end()) --c->second.windows;
  Hosts().erase(it);
}

// Classes whose windows are all gone go, with their brush.
void ReleaseUnusedClasses() {
  for (auto it = Classes().begin(); it != Classes().end();) {
    HostClass& c = it->second;
    if (c.windows > 0 || !::UnregisterClassW(c.name.c_str(), win32::ModuleInstance())) {
      ++it;
      continue;
    }
    ::DeleteObject(c.brush);
    it = Classes().erase(it);
  }
}

LRESULT CALLBACK HostProcedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  // However the window goes, its class stops counting it.
  if (msg == WM_NCDESTROY) Forget(h);
  return ::DefWindowProcW(h, msg, wParam, lParam);
}

const HostClass* AcquireClass(COLORREF colour) {
  auto it = Classes().find(colour);
  if (it != Classes().end()) return &it->second;
  wchar_t name[40];
  std::swprintf(name, sizeof name / sizeof name[0], L"PirogramHost.%06lX", static_cast<unsigned long>(colour));
  HBRUSH brush = ::CreateSolidBrush(colour);
  if (!brush) return nullptr;
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = &HostProcedure;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = brush;
  wc.lpszClassName = name;
  if (!win32::RegisterModuleClass(wc)) {
    ::DeleteObject(brush);
    return nullptr;
  }
  HostClass& c = Classes()[colour];
  c.name = name;
  c.brush = brush;
  return &c;
}

}  // namespace

WindowHandle CreateHostWindow(int width, int height, Color background) {
  try {
    ReleaseUnusedClasses();
    const COLORREF colour = ColorToRgb(background) & 0xFFFFFF;
    const HostClass* c = AcquireClass(colour);
    if (!c) return 0;
    // On screen at the origin so that the system sends it paint messages, but
    // never taking the focus from the host's own window.
    HWND h = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, c->name.c_str(), L"", WS_POPUP | WS_CLIPCHILDREN,
                               0, 0, std::clamp(width, 0, 32767), std::clamp(height, 0, 32767), nullptr, nullptr,
                               win32::ModuleInstance(), nullptr);
    if (!h) {
      ReleaseUnusedClasses();
      return 0;
    }
    Hosts()[h] = colour;
    ++Classes()[colour].windows;
    // Shown without activation: Wine hands activated windows to the window
    // manager, and then waits for one on every hide or destroy.
    ::SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return win32::ToHandle(h);
  } catch (...) {
    return 0;
  }
}

void DestroyHostWindow(WindowHandle window) {
  HWND h = win32::LiveWindow(window);
  // Only windows made by CreateHostWindow: any other handle is left alone.
  if (h && Hosts().count(h)) ::DestroyWindow(h);
  ReleaseUnusedClasses();
}

}  // namespace pg::platform
