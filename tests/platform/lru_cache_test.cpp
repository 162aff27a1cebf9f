// The byte-budgeted cache of fonts and glyphs, and the count by which a kept
// value's address is known to be still good.
#include <gtest/gtest.h>

#include <string>

#include "platform/soft/text/lru_cache.h"

namespace pg::platform::soft {
namespace {

TEST(LruCache, DropsTheLeastRecentlyUsedAndCountsEveryDrop) {
  LruCache<int, std::string> cache(30);
  const std::string* one = cache.Put(1, "one", 10);
  cache.Put(2, "two", 10);
  cache.Put(3, "three", 10);
  EXPECT_EQ(cache.Erasures(), 0u);
  ASSERT_EQ(cache.Find(1), one);  // 1 is now the most recent; 2 goes first
  cache.Put(4, "four", 10);
  EXPECT_EQ(cache.Erasures(), 1u);
  EXPECT_EQ(cache.Find(2), nullptr);
  EXPECT_EQ(*cache.Find(1), "one");
  EXPECT_EQ(cache.UsedBytes(), 30u);

  cache.Put(4, "FOUR", 10);  // replaced: the old value's address is gone
  EXPECT_EQ(cache.Erasures(), 2u);
  EXPECT_EQ(cache.Put(5, "huge", 31), nullptr);  // beyond the budget: not kept, nothing dropped
  EXPECT_EQ(cache.Erasures(), 2u);
  EXPECT_EQ(cache.Size(), 3u);
}

}  // namespace
}  // namespace pg::platform::soft
