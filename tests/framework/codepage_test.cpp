#include <gtest/gtest.h>

#include "framework/text/codepage.h"

namespace {

TEST(Codepage, ConstantsAreCp1251Bytes) {
  constexpr auto t = "Ёж ё №"_cp;
  EXPECT_EQ(t, std::string_view("\xA8\xE6\x20\xB8\x20\xB9"));
  EXPECT_EQ("Pirogram"_cp, "Pirogram");
}

TEST(Codepage, RoundTripsThroughUtf8) {
  const std::string utf8 = "Построение диаграмм \\ \"x\"";
  EXPECT_EQ(pg::text::Cp1251ToUtf8(pg::text::Utf8ToCp1251(utf8)), utf8);
  EXPECT_EQ(pg::text::Utf8ToCp1251("日"), "?");
  EXPECT_EQ(pg::text::Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
}

}  // namespace
