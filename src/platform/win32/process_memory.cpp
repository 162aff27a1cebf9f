#include "platform/process_memory.h"

#include <windows.h>
// The kernel32 entry (Windows 7 and later): no psapi.dll import.
#define PSAPI_VERSION 2
#include <psapi.h>

#include <vector>

namespace pg::platform {

namespace {

// The bytes of the busy blocks of every heap of the process (the C runtime's
// allocator lives in one of them).
std::size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(64);
  DWORD count = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  if (count > heaps.size()) {
    heaps.resize(count);
    count = ::GetProcessHeaps(count, heaps.data());
  }
  std::size_t total = 0;
  for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
    if (!::HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    ::HeapUnlock(heaps[i]);
  }
  return total;
}

}  // namespace

ProcessMemory CurrentProcessMemory() {
  ProcessMemory m;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) {
    m.residentBytes = counters.WorkingSetSize;
    m.peakResidentBytes = counters.PeakWorkingSetSize;
  }
  m.heapBytes = HeapBytesInUse();
  m.gdiObjects = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
  m.userObjects = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
  return m;
}

}  // namespace pg::platform
