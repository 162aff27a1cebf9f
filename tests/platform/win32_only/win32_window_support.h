#pragma once
// Helpers of the Win32 window tests: a host window for the test's lifetime and
// a client that paints one colour, counts, and can be told to throw.
#include <windows.h>

#include <stdexcept>

#include "platform/window.h"

namespace pg::platform::win32test {

inline HWND Hwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }

struct HostWindow {
  HostWindow(int w, int h, Color c = Rgb(255, 255, 255)) : handle(CreateHostWindow(w, h, c)) {}
  ~HostWindow() { DestroyHostWindow(handle); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  WindowHandle handle;
};

class CountingClient : public WindowClient {
 public:
  explicit CountingClient(Color c) : colour(c) {}
  void WindowPaint(DeviceContext& dc, const TRect& clientRect) override {
    ++paints;
    if (throwOnPaint) throw std::runtime_error("paint");
    Brush b;
    b.color = colour;
    dc.SetBrush(b);
    dc.FillRect(clientRect);
  }
  bool WindowMessage(unsigned msg, std::uintptr_t, std::intptr_t, std::intptr_t& result) override {
    ++messages;
    if (throwOnMessage) throw std::runtime_error("message");
    if (msg != kWmUser + 0xFA) return false;
    result = 1274;
    return true;
  }
  Color colour;
  int paints = 0;
  int messages = 0;
  bool throwOnPaint = false;
  bool throwOnMessage = false;
};

}  // namespace pg::platform::win32test
