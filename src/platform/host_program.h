#pragma once
// What the program that loaded the module declares about itself: a text it
// exports under a name. Looking costs the program nothing and calls none of its
// code, so a program that declares nothing cannot tell that the module looked.
#include <cstddef>
#include <string>

namespace pg::platform {

// The zero-terminated text the running program exports as `symbol`, cut at
// maxBytes; "" when it exports none.
std::string HostProgramText(const char* symbol, std::size_t maxBytes);

}  // namespace pg::platform
