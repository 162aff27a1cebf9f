#include <cstdlib>

#include "platform/memory.h"
#include "platform/soft/soft_state.h"

namespace pg::platform {

void* GlobalAllocBytes(std::size_t n) {
  void* block = std::malloc(n ? n : 1);
  if (block && soft::State().memoryObserver) soft::State().memoryObserver->OnAlloc(block, n);
  return block;
}

void GlobalFreeBlock(void* block) {
  if (!block) return;
  if (soft::State().memoryObserver && !soft::State().memoryObserver->OnFree(block)) return;
  std::free(block);
}

}  // namespace pg::platform
