#pragma once
// Calls into the host. A host that never registered a callback gets no call:
// the module must not crash on a host's misuse.
#include <optional>
#include <string>
#include <string_view>

namespace pg::plugin {

// Stores value under name in the host's variables (no-op without the callback).
void SetHostVariable(std::string_view name, std::string_view value);

// Runs an interface-access command: puts text into a temporary slot, lets the
// host answer in it, and returns the slot's final text together with the
// host's Boolean. The slot is released in every case. Empty without the callback.
struct AccessAnswer {
  bool result = false;
  std::string text;
};
std::optional<AccessAnswer> AskHost(int command, std::string_view text);

}  // namespace pg::plugin
