// The queue the vector writers hold solid fills in: a fill reaches under later
// fills only where the picture cannot change, and the integer range's ends are
// no place to grow into.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/export/fill_queue.h"

namespace {

using pg::platform::FillQueue;
using pg::platform::SolidFill;
using pg::platform::TRect;

// The rectangles written for the fills, added in order, then flushed; a fill
// with no rectangle stands for a flush.
std::vector<TRect> Written(std::initializer_list<SolidFill> fills) {
  std::vector<TRect> out;
  FillQueue queue([&](const SolidFill& f) { out.push_back(f.rect); });
  for (const auto& f : fills) {
    if (f.rect == TRect{})
      queue.Flush();
    else
      queue.Add(f.rect, f.color);
  }
  queue.Flush();
  return out;
}

TEST(FillQueue, GrowsOnlyWhereLaterFillsOrItsOwnColourLie) {
  // The right fill covers only the upper half of the left one's right edge, and
  // the lower half would show the page: neither grows.
  EXPECT_EQ(Written({{TRect{0, 0, 4, 4}, 1}, {TRect{4, 0, 8, 2}, 2}}),
            (std::vector{TRect{0, 0, 4, 4}, TRect{4, 0, 8, 2}}));
  // With the lower half filled later in the left one's colour, every edge that
  // meets a later fill is reached under, and the last fill reaches back over
  // the left one, which shows its own colour there.
  EXPECT_EQ(Written({{TRect{0, 0, 4, 4}, 1}, {TRect{4, 0, 8, 2}, 2}, {TRect{4, 2, 8, 4}, 1}}),
            (std::vector{TRect{0, 0, 5, 4}, TRect{4, 0, 8, 3}, TRect{3, 2, 8, 4}}));
  // A band followed by the next of another colour reaches under it; a band of
  // the same colour that continues it makes one rectangle.
  EXPECT_EQ(Written({{TRect{0, 0, 10, 2}, 7}, {TRect{0, 2, 10, 4}, 7}, {TRect{0, 4, 10, 6}, 8}}),
            (std::vector{TRect{0, 0, 10, 5}, TRect{0, 4, 10, 6}}));
  // Written fills are forgotten at a flush: whatever is drawn next may cover them.
  EXPECT_EQ(Written({{TRect{0, 0, 10, 2}, 7}, {TRect{}, 0}, {TRect{0, 2, 10, 4}, 7}}),
            (std::vector{TRect{0, 0, 10, 2}, TRect{0, 2, 10, 4}}));
}

TEST(FillQueue, FillsAtTheEndsOfTheRangeDoNotOverflow) {
  // The second reaches a row under the third, drawn over it; nothing grows
  // past either end.
  EXPECT_EQ(Written({{TRect{INT_MAX - 2, INT_MAX - 2, INT_MAX, INT_MAX}, 1},
                     {TRect{INT_MIN, INT_MIN, INT_MIN + 2, INT_MIN + 2}, 2},
                     {TRect{INT_MIN, INT_MIN + 2, INT_MIN + 2, INT_MAX}, 3},
                     {TRect{INT_MIN, INT_MAX - 1, INT_MAX, INT_MAX}, 4}}),
            (std::vector{TRect{INT_MAX - 2, INT_MAX - 2, INT_MAX, INT_MAX},
                         TRect{INT_MIN, INT_MIN, INT_MIN + 2, INT_MIN + 3},
                         TRect{INT_MIN, INT_MIN + 2, INT_MIN + 2, INT_MAX},
                         TRect{INT_MIN, INT_MAX - 1, INT_MAX, INT_MAX}}));
}

TEST(FillQueue, ALongRunKeepsItsOrderAndAWriterMayFlush) {
  std::vector<SolidFill> written;
  FillQueue* self = nullptr;
  FillQueue queue([&](const SolidFill& f) {
    written.push_back(f);
    self->Flush();  // as a writer's own records do: nothing is written twice
  });
  self = &queue;
  for (int i = 0; i < 1000; ++i) queue.Add(TRect{0, i, 5, i + 1}, static_cast<pg::platform::Color>(i));
  queue.Flush();
  ASSERT_EQ(written.size(), 1000u);
  for (int i = 0; i < 1000; ++i) {
    EXPECT_EQ(written[static_cast<std::size_t>(i)].rect.top, i);
    EXPECT_EQ(written[static_cast<std::size_t>(i)].rect.bottom, i < 999 ? i + 2 : i + 1);
  }
}

}  // namespace
