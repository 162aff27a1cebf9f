#include "plugin/action_params.h"

#include "plugin/host_string.h"

namespace pg::plugin {

Params CopyParams(abi::ParamBlock block, std::size_t n) {
  Params p(n);
  if (!block) return p;
  for (std::size_t i = 0; i < n; ++i) p[i] = ReadHostString(block[i]);
  return p;
}

}  // namespace pg::plugin
