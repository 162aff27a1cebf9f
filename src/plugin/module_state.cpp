#include "plugin/module_state.h"

#include "charts/chart_registry.h"
#include "framework/text/codepage.h"
#include "plugin/action_notes_delivery.h"
#include "plugin/catalogue/catalogue.h"
#include "plugin/dispatch.h"
#include "plugin/edit_action.h"
#include "plugin/host_string.h"

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
  ListenIfTheHostAsks();
  RegisterCatalogue();
}

void InitPlugIn(std::int32_t hostValue, abi::HostString* name, abi::HostString* author,
                abi::HostString* description) {
  State().hostValue = hostValue;
  if (name) SetHostString(*name, "Pirogram");
  if (author) SetHostString(*author, "Plotwright");
  if (description) SetHostString(*description, "Построение диаграмм"_cp);
}

bool ExecAction(std::int32_t id, abi::ParamBlock block) { return DispatchAction(id, block); }

bool EditAction(std::int32_t id, abi::ParamBlock block) { return EditActionParams(id, block); }

void Message(std::int32_t code) {
  constexpr std::int32_t kShutdown = 2;
  if (code == kShutdown) charts::DestroyChartRegistry();
}

}  // namespace pg::plugin
