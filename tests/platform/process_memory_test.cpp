// The process's memory figures follow what it allocates and touches, so a soak
// run's checkpoints see growth and its return.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/process_memory.h"

#if defined(__SANITIZE_ADDRESS__)
#define PG_FOREIGN_ALLOCATOR 1
#endif

namespace pg::platform {
namespace {

constexpr std::size_t kBlock = 64u << 20;

TEST(ProcessMemory, GrowsWithATouchedBlockAndShrinksWhenItIsFreed) {
  const ProcessMemory before = CurrentProcessMemory();
  EXPECT_GT(before.residentBytes, 0u);

  auto block = std::make_unique<char[]>(kBlock);
  std::memset(block.get(), 1, kBlock);
  const ProcessMemory held = CurrentProcessMemory();
  EXPECT_GE(held.residentBytes, before.residentBytes + kBlock / 2);
  block.reset();
  const ProcessMemory after = CurrentProcessMemory();
  // The high-water mark remembers the block (the system counts pages in
  // batches, so only roughly).
  EXPECT_GE(after.peakResidentBytes, before.residentBytes + kBlock / 2);
#ifndef PG_FOREIGN_ALLOCATOR
  // The C heap's own figures; a sanitizer's allocator keeps none.
  EXPECT_GT(before.heapBytes, 0u);
  EXPECT_GE(held.heapBytes, before.heapBytes + kBlock / 2);
  EXPECT_LE(after.heapBytes + kBlock / 2, held.heapBytes);
#endif
}

TEST(ProcessMemory, ObjectCountsExistOnlyWhereTheSystemKeepsThem) {
  const ProcessMemory m = CurrentProcessMemory();
#ifdef _WIN32
  EXPECT_GE(m.gdiObjects, 0);
  EXPECT_GE(m.userObjects, 0);
#else
  EXPECT_EQ(m.gdiObjects, -1);
  EXPECT_EQ(m.userObjects, -1);
#endif
}

}  // namespace
}  // namespace pg::platform
