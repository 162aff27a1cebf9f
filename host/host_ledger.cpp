#include "host_ledger.h"

namespace pg::host {

void HostLedger::OnAlloc(void* block, std::size_t) {
  live_.insert(block);
  ++allocated_;
}

bool HostLedger::OnFree(void* block) {
  if (live_.erase(block) == 0) {
    ++badFrees_;
    return false;
  }
  ++freed_;
  return true;
}

}  // namespace pg::host
