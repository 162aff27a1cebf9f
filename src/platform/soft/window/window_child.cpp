// The module's windows: children of a host window, painted by their client.
#include "platform/soft/window/window_tree.h"

namespace pg::platform {

namespace {

class SoftChildWindow final : public Window {
 public:
  explicit SoftChildWindow(WindowHandle h) : handle_(h) {}
  // The host may have destroyed the parent, and this window with it, already.
  ~SoftChildWindow() override { soft::Tree().Destroy(handle_); }
  WindowHandle Handle() const override { return handle_; }

 private:
  WindowHandle handle_;
};

}  // namespace

std::unique_ptr<Window> Window::CreateChild(WindowHandle parent, WindowClient& client) {
  if (!soft::Tree().Find(parent)) return nullptr;
  soft::SoftWindow& w = soft::Tree().Add(parent);
  w.client = &client;
  w.background = SysColor(15);  // button face until the first paint
  return std::make_unique<SoftChildWindow>(w.handle);
}

}  // namespace pg::platform
