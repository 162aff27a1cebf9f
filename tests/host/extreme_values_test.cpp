// The standard chart painted with every integer property an action sets at the
// ends of the integer range and a few large values: each paint ends at once,
// and the memory stays flat from the first pass over the values to the second.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "extreme_sweep.h"
#include "platform/process_memory.h"
#include "standard_chart.h"
#include "support/module_path.h"

#if defined(__SANITIZE_ADDRESS__)
#define PG_FOREIGN_ALLOCATOR 1
#endif

namespace {

using namespace pg::bench;

using pg::testing::ModulePath;

// Only a frozen paint fails the test; the benchmark holds each paint to 10 ms.
// The bound is wall time on a machine that may be busy with other work, so it
// is wide; under Wine it also covers Wine's slower GDI (huge text is drawn from
// glyph outlines there, so no paint renders 10 000-pixel glyphs whole).
constexpr auto kFrozen = std::chrono::seconds(2);

TEST(ExtremeValues, EveryPaintEndsAtOnceAndTheMemoryStaysFlat) {
  ModuleDriver driver(ModulePath());
  BuildChart(driver, "R", ChartLook{});
  const auto cases = ExtremeSweepCases("R");
  std::chrono::steady_clock::duration slowest{};
  std::string slowestCase;
  auto pass = [&] {
    for (const auto& c : cases) {
      const auto start = std::chrono::steady_clock::now();
      PaintSweepCase(driver, c);
      const auto took = std::chrono::steady_clock::now() - start;
      // The roll's period waits 150 ms on Windows.
      EXPECT_LT(took, kFrozen) << c.name;
      if (took > slowest) {
        slowest = took;
        slowestCase = c.name;
      }
      RestoreSweepCase(driver, c);
    }
    EXPECT_EQ(driver.TakeLastError(), "");
  };
  pass();
  const auto before = pg::platform::CurrentProcessMemory();
  pass();
  const auto after = pg::platform::CurrentProcessMemory();
#if !defined(PG_FOREIGN_ALLOCATOR) && !defined(_WIN32)
  // Caches fill in the first pass and stay within their budgets in the second.
  EXPECT_LT(after.heapBytes, before.heapBytes + (8u << 20));
#else
  // A sanitizer's allocator keeps a quarantine, and Wine's GDI its own caches.
  (void)before;
  (void)after;
#endif
  // The margin left, for whoever reads the log of a busy machine.
  std::printf("sweep: slowest paint %.0f ms (wall) of %zu cases: %s\n",
              std::chrono::duration<double, std::milli>(slowest).count(), cases.size(), slowestCase.c_str());
  driver.Session().Close();
}

}  // namespace
