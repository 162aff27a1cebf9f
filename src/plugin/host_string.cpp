#include "plugin/host_string.h"

#include <cstring>

#include "platform/memory.h"

namespace pg::plugin {

std::string ReadHostString(const char* s) { return s ? std::string(s) : std::string(); }

void SetHostString(abi::HostString& var, std::string_view text) {
  ReleaseHostString(var);
  auto* block = static_cast<char*>(platform::GlobalAllocBytes(text.size() + 1));
  if (!block) return;
  std::memcpy(block, text.data(), text.size());
  block[text.size()] = 0;
  var = block;
}

void ReleaseHostString(abi::HostString& var) {
  platform::GlobalFreeBlock(var);
  var = nullptr;
}

}  // namespace pg::plugin
