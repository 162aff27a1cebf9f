#include "plugin/module_state.h"

namespace pg::plugin {

ModuleState& State() {
  static ModuleState state;
  return state;
}

void RegisterPlugIn(abi::AddActionFn addAction, void* second, void* third, abi::SetVariableFn setVariable) {
  auto& s = State();
  s.addAction = addAction;
  s.second = second;
  s.third = third;
  s.setVariable = setVariable;
}

void InitPlugIn(std::int32_t hostValue, abi::HostString*, abi::HostString*, abi::HostString*) {
  State().hostValue = hostValue;
}

bool ExecAction(std::int32_t, abi::ParamBlock) { return false; }
bool EditAction(std::int32_t, abi::ParamBlock) { return false; }
void Message(std::int32_t) {}

}  // namespace pg::plugin
