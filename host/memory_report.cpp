#include "memory_report.h"

#include "platform/process_memory.h"

namespace pg::host {

std::string MemoryReport(const std::string& label) {
  const platform::ProcessMemory m = platform::CurrentProcessMemory();
  std::string line = "memory " + label + ": rss " + std::to_string(m.residentBytes / 1024) + " KiB, heap " +
                     std::to_string(m.heapBytes / 1024) + " KiB";
  if (m.gdiObjects >= 0) line += ", gdi " + std::to_string(m.gdiObjects);
  if (m.userObjects >= 0) line += ", user " + std::to_string(m.userObjects);
  return line;
}

}  // namespace pg::host
