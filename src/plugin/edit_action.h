#pragma once
// nbEditAction: the action's editor over its parameter slots.
#include <cstdint>

#include "plugin/abi.h"

namespace pg::plugin {

// False at once for ids outside 1..kLastActionId (nothing read); otherwise runs the editor
// and, on OK, gives every slot a new host string and answers true.
bool EditActionParams(std::int32_t id, abi::ParamBlock block);

}  // namespace pg::plugin
