#include "platform/memory.h"

#include <windows.h>

namespace pg::platform {

void* GlobalAllocBytes(std::size_t n) { return ::GlobalAlloc(GMEM_FIXED, n); }

void GlobalFreeBlock(void* block) {
  if (block) ::GlobalFree(static_cast<HGLOBAL>(block));
}

}  // namespace pg::platform
