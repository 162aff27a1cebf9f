#pragma once
// Counts every host-string block that the host and the module allocate and free,
// so a run can end by reporting leaks and double frees.
#include <cstddef>
#include <set>

#include "platform/module_loader.h"

namespace pg::host {

class HostLedger : public platform::GlobalMemoryObserver {
 public:
  void OnAlloc(void* block, std::size_t size) override;
  bool OnFree(void* block) override;

  std::size_t Live() const { return live_.size(); }
  std::size_t Allocated() const { return allocated_; }
  std::size_t Freed() const { return freed_; }
  std::size_t BadFrees() const { return badFrees_; }

 private:
  std::set<void*> live_;
  std::size_t allocated_ = 0;
  std::size_t freed_ = 0;
  std::size_t badFrees_ = 0;
};

}  // namespace pg::host
