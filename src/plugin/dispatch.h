#pragma once
#include <cstdint>

#include "plugin/abi.h"
#include "plugin/action_params.h"
#include "plugin/chart_action_frame.h"

namespace pg::plugin {

// Actions that do not run in the chart action frame answer for themselves.
using PlainHandler = bool (*)(const Params& params);

struct ActionEntry {
  std::uint8_t slots;    // parameter slots the action reads
  ChartHandler chart;    // runs in the chart action frame when plain is null
  PlainHandler plain;
};

// The handler of action id 1..kLastActionId, or null for any other id.
const ActionEntry* ActionFor(std::int32_t id);

bool DispatchAction(std::int32_t id, abi::ParamBlock block);

}  // namespace pg::plugin
