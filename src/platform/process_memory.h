#pragma once
// How much memory this process holds, for soak runs that check it stays flat.
#include <cstddef>

namespace pg::platform {

struct ProcessMemory {
  std::size_t residentBytes = 0;  // pages in physical memory (resident set / working set)
  std::size_t peakResidentBytes = 0;  // the most it has been so far
  // Bytes the allocator has handed out and not taken back (Windows: the busy
  // blocks of every heap of the process).
  std::size_t heapBytes = 0;
  // Windows: GDI and USER objects the process holds, from the system's counts.
  // Wine's counts are always 0: there GDI objects are counted in the process's
  // own GDI handle table, and USER objects as the process's windows (its
  // menus, icons and hooks are not seen). -1 where the system has none.
  long gdiObjects = -1;
  long userObjects = -1;
};

ProcessMemory CurrentProcessMemory();

}  // namespace pg::platform
