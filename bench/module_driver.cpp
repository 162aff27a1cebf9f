#include "module_driver.h"

#include <stdexcept>

#include "framework/text/codepage.h"

namespace pg::bench {

ModuleDriver::ModuleDriver(const std::string& modulePath) : session_(modulePath) {}

ModuleDriver::Action ModuleDriver::Find(const std::string& action) const {
  const host::ReceivedRow* row = session_.FindAction(action);
  if (!row) throw std::runtime_error("the module has no action " + action);
  return Action{row->id, static_cast<std::size_t>(row->count)};
}

bool ModuleDriver::Run(const std::string& action, std::initializer_list<std::string> utf8Args) {
  std::vector<std::string> args;
  args.reserve(utf8Args.size());
  for (const auto& a : utf8Args) args.push_back(text::Utf8ToCp1251(a));
  return Run(Find(action), args);
}

std::string ModuleDriver::TakeLastError() {
  auto& vars = session_.Variables();
  const auto it = vars.find("[LastError]");
  if (it == vars.end()) return {};
  std::string text = it->second;
  vars.erase(it);
  return text;
}

platform::WindowHandle ModuleDriver::Rectangle(const std::string& name, int width, int height) {
  return session_.AddRectangle(name, width, height).window;
}

platform::WindowHandle ModuleDriver::ChartWindow(const std::string& rectangle) {
  const host::Rectangle* r = session_.FindRectangle(rectangle);
  return r ? platform::GetTopChildWindow(r->window) : 0;
}

}  // namespace pg::bench
