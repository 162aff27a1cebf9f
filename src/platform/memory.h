#pragma once
// Global memory: the allocator host strings live in. On Windows it is the
// system's GlobalAlloc/GlobalFree, so host and module can free each other's blocks.
#include <cstddef>

namespace pg::platform {

// A fixed block of n bytes (never null for n > 0 unless memory is exhausted).
void* GlobalAllocBytes(std::size_t n);
// Frees a block from GlobalAllocBytes; null is ignored.
void GlobalFreeBlock(void* block);

}  // namespace pg::platform
