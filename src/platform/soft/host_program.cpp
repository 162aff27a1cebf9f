#include "platform/host_program.h"

#include <dlfcn.h>

#include <cstring>

namespace pg::platform {

// The program's dynamic symbols come first in the global scope.
std::string HostProgramText(const char* symbol, std::size_t maxBytes) {
  const auto* text = static_cast<const char*>(::dlsym(RTLD_DEFAULT, symbol));
  if (!text) return {};
  return std::string(text, ::strnlen(text, maxBytes));
}

}  // namespace pg::platform
