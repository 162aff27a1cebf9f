#pragma once
// Host strings: zero-terminated texts in global memory blocks that the host and
// the module free for each other.
#include <string>
#include <string_view>

#include "plugin/abi.h"

namespace pg::plugin {

// The text of a host string; null reads as empty, the text ends at the first zero.
std::string ReadHostString(const char* s);
// Frees the old block (if any) and stores a fresh block holding text.
void SetHostString(abi::HostString& var, std::string_view text);
// Frees the block (if any) and leaves null.
void ReleaseHostString(abi::HostString& var);

}  // namespace pg::plugin
