#pragma once
// Counts of C++ heap allocations made in this process (the program and the
// module, which share the C++ runtime), from the replaced global operator new.
#include <cstdint>

namespace pg::bench {

struct AllocCounts {
  std::uint64_t calls = 0;
  std::uint64_t bytes = 0;
};

AllocCounts CurrentAllocs();

}  // namespace pg::bench
