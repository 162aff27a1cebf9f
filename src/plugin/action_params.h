#pragma once
// Copies of an action's parameter texts, taken before its handler runs, so the
// module never reads or writes the host's block afterwards.
#include <cstddef>
#include <string>
#include <vector>

#include "plugin/abi.h"

namespace pg::plugin {

using Params = std::vector<std::string>;

// The first n slots of the block; a null block or slot reads as empty text.
Params CopyParams(abi::ParamBlock block, std::size_t n);

}  // namespace pg::plugin
