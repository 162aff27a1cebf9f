// Text at sizes no chart needs but a script may ask for (a title at 3000 points,
// mark text under a zoom of 50000) draws at once, as much of it as is seen, and
// leaves no memory behind from size to size.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "platform/bitmap.h"
#include "platform/drawing_support.h"
#include "platform/process_memory.h"

#if defined(__SANITIZE_ADDRESS__)
#define PG_FOREIGN_ALLOCATOR 1
#endif

namespace pg::platform {
namespace {

using namespace testing;

// Only a frozen paint fails this; the benchmarks hold the real bound.
constexpr auto kFrozen = std::chrono::seconds(2);

// Both builds fill glyphs this large from their outlines, as far as they are
// seen (Wine's GDI would render each one whole: seconds at 20000 pixels).
// Wine's GDI makes no glyphs at all at the largest height.
std::vector<int> HugeHeights() {
#ifdef _WIN32
  return {-4000, -20000};
#else
  return {-4000, -20000, -2147483647};
#endif
}

TEST(HugeText, DrawsTheSeenPartAtOnce) {
  Bitmap b(524, 246);
  DeviceContext& dc = b.Dc();
  dc.SetBkMode(kTransparent);
  dc.SetTextColor(kBlue);
  for (const int height : HugeHeights()) {
    SCOPED_TRACE(height);
    dc.SetFont(ArialOf(height));
    const auto start = std::chrono::steady_clock::now();
    // The stem of a huge l, standing on a baseline in the picture, crosses it
    // (the largest size draws as 16384 pixels).
    dc.SetTextAlign(kTaLeft | kTaBaseline);
    dc.TextOutAt(std::max(height, -20000) / 10, 200, "lll Title");
    dc.SetTextAlign(kTaCenter | kTaBaseline);
    dc.TextOutAt(262, 2000000000, "centred far below");
    EXPECT_LT(std::chrono::steady_clock::now() - start, kFrozen);
    EXPECT_GT(dc.TextExtent("WWW").cx, 0);
    EXPECT_GT(CountPixels(b, Px(kBlue)), 10000);
    if (height == -4000) b.SavePng("huge_text.png");
    dc.SetBrush(MakeBrush(BrushStyle::bsSolid, Rgb(255, 255, 255)));
    dc.FillRect(TRect{0, 0, 524, 246});
  }
}

// Each size drawn once, as a script trying sizes would: what a size leaves
// behind is bounded, so the memory stays flat however many sizes come.
TEST(HugeText, ManySizesKeepTheMemoryFlat) {
  Bitmap b(524, 246);
  DeviceContext& dc = b.Dc();
  auto drawAt = [&](int height) {
    dc.SetFont(ArialOf(height));
    dc.TextOutAt(0, height / 4, "Huge WWW");
  };
  drawAt(-4000);
  const ProcessMemory before = CurrentProcessMemory();
  const auto start = std::chrono::steady_clock::now();
  for (int height = -3000; height > -4050; height -= 50) drawAt(height);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10 * kFrozen);
  const ProcessMemory after = CurrentProcessMemory();
#if !defined(PG_FOREIGN_ALLOCATOR) && !defined(_WIN32)
  // Wine's GDI keeps glyph caches of its own, and a sanitizer's allocator its
  // quarantine: the module's share is measured only here.
  EXPECT_LT(after.heapBytes, before.heapBytes + (48u << 20));
#else
  (void)before;
  (void)after;
#endif
  // Smaller text in the same fonts' faces still draws.
  Bitmap small(100, 30);
  small.Dc().SetFont(ArialOf(-16));
  small.Dc().TextOutAt(2, 2, "ace");
  EXPECT_GT(CountPixels(small, 0), 10);
}

}  // namespace
}  // namespace pg::platform
