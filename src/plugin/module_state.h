#pragma once
// What the module keeps of the host between calls, and the work behind each export.
#include "plugin/abi.h"

namespace pg::plugin {

struct ModuleState {
  abi::AddActionFn addAction = nullptr;
  void* second = nullptr;  // stored, never used
  void* third = nullptr;   // stored, never used
  abi::SetVariableFn setVariable = nullptr;
  abi::InterfaceAccessFn interfaceAccess = nullptr;
  void* scriptProcessor = nullptr;  // stored, never used
  std::int32_t hostValue = 0;       // stored, never used
};

ModuleState& State();

void RegisterPlugIn(abi::AddActionFn addAction, void* second, void* third, abi::SetVariableFn setVariable);
void InitPlugIn(std::int32_t hostValue, abi::HostString* name, abi::HostString* author,
                abi::HostString* description);
bool ExecAction(std::int32_t id, abi::ParamBlock block);
bool EditAction(std::int32_t id, abi::ParamBlock block);
void Message(std::int32_t code);

}  // namespace pg::plugin
