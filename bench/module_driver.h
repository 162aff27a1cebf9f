#pragma once
// The module as the benchmarks drive it: loaded and registered by the reference
// host's session, actions called by name with UTF-8 texts, which become host
// strings in code page 1251 as a host script's do.
#include <initializer_list>
#include <string>
#include <vector>

#include "module_session.h"
#include "platform/window.h"

namespace pg::bench {

class ModuleDriver {
 public:
  explicit ModuleDriver(const std::string& modulePath);

  // Runs the action through nbExecAction; throws std::runtime_error when the
  // catalogue has no such action. Answers the action's result (chart actions
  // always answer false; a missing chart shows in [LastError]).
  bool Run(const std::string& action, std::initializer_list<std::string> utf8Args);
  // A catalogue row looked up once, for loops that pass prepared 1251 texts.
  struct Action {
    std::int32_t id;
    std::size_t slots;
  };
  Action Find(const std::string& action) const;
  bool Run(const Action& action, const std::vector<std::string>& cp1251Args) {
    return session_.Exec(action.id, cp1251Args, action.slots);
  }

  // The [LastError] text the module set since the last call, then forgets it.
  std::string TakeLastError();

  // A host rectangle with its own window (kept until the session closes).
  platform::WindowHandle Rectangle(const std::string& name, int width, int height);
  // The chart window the module put into the rectangle, or 0.
  platform::WindowHandle ChartWindow(const std::string& rectangle);

  host::ModuleSession& Session() { return session_; }

 private:
  host::ModuleSession session_;
};

}  // namespace pg::bench
