// The module's windows: borderless children of a host window, painted by their
// client and answering the private messages through it.
#include <windows.h>

#include "platform/win32/gdi_device_context.h"
#include "platform/win32/window/window_class.h"
#include "platform/win32/window/window_handle.h"

namespace pg::platform {

namespace {

constexpr wchar_t kClassName[] = L"PirogramWindow";

// Ends the paint even when the client throws.
class PaintScope {
 public:
  explicit PaintScope(HWND h) : window_(h), dc_(::BeginPaint(h, &paint_)) {}
  ~PaintScope() { ::EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Leaves a DC that belongs to someone else as it was given.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

class Win32ChildWindow final : public Window {
 public:
  explicit Win32ChildWindow(WindowClient& client) : client_(client) {}
  ~Win32ChildWindow() override {
    // Gone already when the host destroyed the parent first.
    if (!hwnd_) return;
    HWND h = hwnd_;
    hwnd_ = nullptr;
    // The owner may be half torn down: no more calls into the client.
    ::SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    ::DestroyWindow(h);
  }

  WindowHandle Handle() const override { return win32::ToHandle(hwnd_); }

  bool Create(HWND parent) {
    return ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0,
                             parent, nullptr, win32::ModuleInstance(), this) != nullptr &&
           hwnd_ != nullptr;
  }

  static LRESULT CALLBACK Procedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    // Nothing may be thrown into the system's message dispatch.
    try {
      if (msg == WM_NCCREATE) {
        auto* self = static_cast<Win32ChildWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->hwnd_ = h;
      }
      auto* self = reinterpret_cast<Win32ChildWindow*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
      if (self) {
        LRESULT result = 0;
        if (self->OnMessage(h, msg, wParam, lParam, result)) return result;
      }
    } catch (...) {
      return 0;
    }
    return ::DefWindowProcW(h, msg, wParam, lParam);
  }

 private:
  // True when the message is answered with `result`. `this` may be destroyed by
  // the client's handling: nothing touches it afterwards.
  bool OnMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
      case WM_PAINT: {
        PaintScope paint(h);
        if (paint.Dc()) PaintOn(h, paint.Dc());
        result = 0;
        return true;
      }
      case WM_ERASEBKGND:
        result = 1;  // the paint covers every pixel
        return true;
      case WM_PRINTCLIENT:
        if ((lParam & PRF_CLIENT) && wParam &&
            (!(lParam & PRF_CHECKVISIBLE) || ::IsWindowVisible(h)))
          PaintOn(h, reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
      case WM_NCDESTROY:
        // The owner's destructor unhooks the window before destroying it, so
        // this is the host destroying an ancestor.
        ::SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        client_.WindowDestroyed();
        return false;
      default:
        break;
    }
    if (msg < WM_USER) return false;
    std::intptr_t answer = 0;
    if (!client_.WindowMessage(msg, wParam, lParam, answer)) return false;
    result = answer;
    return true;
  }

  void PaintOn(HWND h, HDC dc) {
    RECT rc{};
    ::GetClientRect(h, &rc);
    SavedDcState state(dc);
    win32::GdiDeviceContext context(dc);
    client_.WindowPaint(context, TRect{0, 0, rc.right, rc.bottom});
  }

  WindowClient& client_;
  HWND hwnd_ = nullptr;
};

bool EnsureChildClass() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW wc{};
    // A resize repaints everything: the picture is laid out by the window's size.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &Win32ChildWindow::Procedure;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    registered = win32::RegisterModuleClass(wc);
  }
  return registered;
}

}  // namespace

std::unique_ptr<Window> Window::CreateChild(WindowHandle parent, WindowClient& client) {
  HWND p = win32::LiveWindow(parent);
  if (!p || !EnsureChildClass()) return nullptr;
  auto window = std::make_unique<Win32ChildWindow>(client);
  if (!window->Create(p)) return nullptr;
  return window;
}

}  // namespace pg::platform
