#include "platform/host_program.h"

#include <windows.h>

#include <cstring>

namespace pg::platform {

// The process's own program file, whose exports GetProcAddress reads without
// running any of its code.
std::string HostProgramText(const char* symbol, std::size_t maxBytes) {
  const auto* text =
      reinterpret_cast<const char*>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(nullptr), symbol)));
  if (!text) return {};
  return std::string(text, ::strnlen(text, maxBytes));
}

}  // namespace pg::platform
