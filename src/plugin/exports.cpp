// The seven entry points. Each one is a thin frame: nothing thrown inside the
// module ever reaches the host.
#include "plugin/abi.h"
#include "plugin/module_state.h"

using namespace pg::abi;

PG_EXPORT void PG_HOSTCALL nbRegisterPlugIn(AddActionFn addAction, void* second, void* third,
                                            SetVariableFn setVariable) {
  try {
    pg::plugin::RegisterPlugIn(addAction, second, third, setVariable);
  } catch (...) {
  }
}

PG_EXPORT void PG_HOSTCALL nbInitPlugIn(std::int32_t hostValue, HostString* name, HostString* author,
                                        HostString* description) {
  try {
    pg::plugin::InitPlugIn(hostValue, name, author, description);
  } catch (...) {
  }
}

PG_EXPORT void PG_HOSTCALL nbRegisterInterfaceAccess(InterfaceAccessFn access) {
  try {
    pg::plugin::State().interfaceAccess = access;
  } catch (...) {
  }
}

PG_EXPORT void PG_HOSTCALL nbRegisterScriptProcessor(void* processor) {
  try {
    pg::plugin::State().scriptProcessor = processor;
  } catch (...) {
  }
}

PG_EXPORT bool PG_HOSTCALL nbExecAction(std::int32_t id, ParamBlock block) {
  try {
    return pg::plugin::ExecAction(id, block);
  } catch (...) {
    return false;
  }
}

PG_EXPORT bool PG_HOSTCALL nbEditAction(std::int32_t id, ParamBlock block) {
  try {
    return pg::plugin::EditAction(id, block);
  } catch (...) {
    return false;
  }
}

PG_EXPORT void PG_HOSTCALL nbMessage(std::int32_t code) {
  try {
    pg::plugin::Message(code);
  } catch (...) {
  }
}
