// The process's memory figures follow what it allocates and touches, so a soak
// run's checkpoints see growth and its return.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/process_memory.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

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

// The counts see objects made and deleted, also under Wine (whose own counts
// are always 0), so a soak run can catch a leak of them.
TEST(ProcessMemory, ObjectCountsFollowObjectsMadeAndDeleted) {
  const ProcessMemory m = CurrentProcessMemory();
#ifdef _WIN32
  EXPECT_GT(m.gdiObjects, 0);
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 10; ++i) brushes.push_back(::CreateSolidBrush(RGB(i, 0, 0)));
  HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, window, nullptr, nullptr, nullptr);
  const ProcessMemory held = CurrentProcessMemory();
  EXPECT_EQ(held.gdiObjects, m.gdiObjects + 10);
  EXPECT_GE(held.userObjects, m.userObjects + 2);
  EXPECT_TRUE(child != nullptr);
  for (HBRUSH b : brushes) ::DeleteObject(b);
  ::DestroyWindow(window);
  const ProcessMemory after = CurrentProcessMemory();
  EXPECT_EQ(after.gdiObjects, m.gdiObjects);
  // The system may add a window of its own to the first one a thread makes.
  EXPECT_LE(after.userObjects, held.userObjects - 2);
#else
  EXPECT_EQ(m.gdiObjects, -1);
  EXPECT_EQ(m.userObjects, -1);
#endif
}

}  // namespace
}  // namespace pg::platform
