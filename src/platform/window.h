#pragma once
// Windows and their messages, as the module and the reference host use them: the
// host makes one top-level window per rectangle, the module parents its chart
// windows into those. On Windows every handle is a real HWND; on the portable
// platform the windows live in one in-process tree shared by host and module.
#include <cstdint>
#include <memory>

#include "platform/device_context.h"
#include "platform/graphics.h"

namespace pg::platform {

class Bitmap;

// A window handle as the host passes it around in text; 0 is no window.
using WindowHandle = std::intptr_t;

// Message numbers, as Windows numbers them.
constexpr unsigned kWmUser = 0x0400;

// SetWindowPos flags (Windows values).
constexpr unsigned kSwpNoSize = 0x0001;
constexpr unsigned kSwpNoMove = 0x0002;
constexpr unsigned kSwpNoZOrder = 0x0004;
constexpr unsigned kSwpNoActivate = 0x0010;
constexpr unsigned kSwpShowWindow = 0x0040;
constexpr unsigned kSwpHideWindow = 0x0080;
// insertAfter values: 0 puts the window on top of its siblings.
constexpr WindowHandle kHwndTop = 0;
constexpr WindowHandle kHwndBottom = 1;

// What a window asks of the object that owns it. Called on the user-interface
// thread from the message pump (paint) or from SendWindowMessage.
class WindowClient {
 public:
  // Paint the whole client area; clientRect is (0, 0, width, height). Background
  // erasing is answered as done without erasing: paint covers every pixel.
  virtual void WindowPaint(DeviceContext& dc, const TRect& clientRect) = 0;
  // Messages from kWmUser up. True when handled; unhandled ones get the default
  // handling (which answers 0).
  virtual bool WindowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                             std::intptr_t& result) = 0;
  // The window was destroyed with an ancestor (the host destroyed its own
  // window); called once, as the window goes. Not called when the owner
  // destroys the Window object.
  virtual void WindowDestroyed() {}

 protected:
  ~WindowClient() = default;
};

// A borderless child window owned by the module. Created hidden at (0, 0) with
// size 0 x 0; destroying the object destroys the window (and its children). The
// owner keeps the client alive as long as the window.
class Window {
 public:
  // Null when parent is not a window.
  static std::unique_ptr<Window> CreateChild(WindowHandle parent, WindowClient& client);
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  virtual WindowHandle Handle() const = 0;

 protected:
  Window() = default;
};

// Operations on any window by handle (the host's, or a chart window). Unknown
// or zero handles are ignored: false, an empty rectangle or 0.
TRect GetClientRect(WindowHandle window);
// The window's rectangle in its parent's client coordinates (screen for
// top-level windows).
TRect GetWindowRectInParent(WindowHandle window);
WindowHandle GetParentWindow(WindowHandle window);
// The top-most child in z-order, or 0.
WindowHandle GetTopChildWindow(WindowHandle window);
bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                  unsigned flags);
bool ShowWindow(WindowHandle window, bool visible);
// Visible itself and all its ancestors.
bool IsWindowVisible(WindowHandle window);
bool IsWindow(WindowHandle window);
// Marks the whole client area for repainting; the paint comes from the pump.
bool InvalidateWindow(WindowHandle window);
// Delivers the message now and answers the window's result (0 for no window).
std::intptr_t SendWindowMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam,
                                std::intptr_t lParam);
// Whether the message being handled was sent by this very thread, not by
// another thread or process: only such a message may carry a pointer.
bool MessageFromThisThread();

// --- The host's side -------------------------------------------------------

// A visible top-level borderless window whose client area is width x height,
// painted in `background`. Null-handle (0) when it cannot be made.
WindowHandle CreateHostWindow(int width, int height, Color background);
void DestroyHostWindow(WindowHandle window);

// Delivers every pending paint message (windows with an invalid area that are
// visible with all their ancestors), parents before their children.
void DeliverPendingPaints();
// One period of the message loop: lets `milliseconds` pass, delivers the timer
// ticks that fall due in that time (each due timer once, in the order they fell
// due), then the pending paints. The portable platform runs a virtual clock;
// Windows waits for real.
void RunMessagePeriod(int milliseconds);

// What the window shows on screen: its client area with its visible descendants
// composited over it, as the last paints left them. Empty for no window.
std::unique_ptr<Bitmap> CaptureWindow(WindowHandle window);

}  // namespace pg::platform
