#include "plugin/host_services.h"

#include "plugin/host_string.h"
#include "plugin/module_state.h"

namespace pg::plugin {

void SetHostVariable(std::string_view name, std::string_view value) {
  const auto fn = State().setVariable;
  if (!fn) return;
  const std::string n(name), v(value);
  fn(n.c_str(), v.c_str());
}

std::optional<AccessAnswer> AskHost(int command, std::string_view text) {
  const auto fn = State().interfaceAccess;
  if (!fn) return std::nullopt;
  abi::HostString slot = nullptr;
  SetHostString(slot, text);
  AccessAnswer answer;
  try {
    answer.result = fn(command, &slot);
    answer.text = ReadHostString(slot);
  } catch (...) {
    ReleaseHostString(slot);
    throw;
  }
  ReleaseHostString(slot);
  return answer;
}

}  // namespace pg::plugin
