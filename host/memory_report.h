#pragma once
// The memory command: one line with what the process holds now.
#include <string>

namespace pg::host {

// "memory LABEL: rss N KiB, heap N KiB" and, on Windows, ", gdi N, user N".
std::string MemoryReport(const std::string& label);

}  // namespace pg::host
