#include "platform/process_memory.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace pg::platform {

ProcessMemory CurrentProcessMemory() {
  ProcessMemory m;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    unsigned long sizePages = 0, residentPages = 0;
    if (std::fscanf(f, "%lu %lu", &sizePages, &residentPages) == 2)
      m.residentBytes = static_cast<std::size_t>(residentPages) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::fclose(f);
  }
  // The resident set's high-water mark: the "VmHWM:  1234 kB" line.
  std::ifstream status("/proc/self/status");
  for (std::string word; status >> word;)
    if (word == "VmHWM:") {
      std::size_t kb = 0;
      status >> kb;
      m.peakResidentBytes = kb * 1024;
      break;
    }
  // Small blocks in the arenas plus the large ones the allocator maps on their own.
  const struct mallinfo2 info = mallinfo2();
  m.heapBytes = info.uordblks + info.hblkhd;
  return m;
}

}  // namespace pg::platform
