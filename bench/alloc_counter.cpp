#include "alloc_counter.h"

#include <cstdlib>
#include <new>

namespace {
// The benchmarks run on one thread, as the host's user interface does.
pg::bench::AllocCounts g_counts;
}  // namespace

namespace pg::bench {
AllocCounts CurrentAllocs() { return g_counts; }
}  // namespace pg::bench

void* operator new(std::size_t n) {
  ++g_counts.calls;
  g_counts.bytes += n;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
