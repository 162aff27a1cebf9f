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

bool UnderWine() {
  static const bool wine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

// Wine keeps its GDI objects in one table a process of its own, indexed by the
// low word of a handle, and takes a handle with a zero high word for any
// generation: every index that names an object is a live one.
long LiveGdiObjectsUnderWine() {
  long n = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++n;
  return n;
}

struct WindowCount {
  DWORD process = 0;
  long n = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++reinterpret_cast<WindowCount*>(count)->n;
  return TRUE;
}

void CountIfOurs(HWND w, WindowCount& count) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(w, &process);
  if (process != count.process) return;
  ++count.n;
  ::EnumChildWindows(w, &CountChild, reinterpret_cast<LPARAM>(&count));
}

BOOL CALLBACK CountTopLevel(HWND w, LPARAM count) {
  CountIfOurs(w, *reinterpret_cast<WindowCount*>(count));
  return TRUE;
}

// The process's windows: top-level ones, message-only ones and their children.
long WindowsOfThisProcess() {
  WindowCount count{::GetCurrentProcessId(), 0};
  ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND w = nullptr; (w = ::FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr)) != nullptr;) CountIfOurs(w, count);
  return count.n;
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
  if (UnderWine()) {
    m.gdiObjects = LiveGdiObjectsUnderWine();
    m.userObjects = WindowsOfThisProcess();
  } else {
    m.gdiObjects = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    m.userObjects = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
  }
  return m;
}

}  // namespace pg::platform
