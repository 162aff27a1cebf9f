#include <gtest/gtest.h>

#include "framework/text/codepage.h"
#include "platform/codepage_table.h"
#include "platform/codepage_utf16.h"

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

// Where text meets a Unicode system: every defined byte survives the round trip,
// and what 1251 cannot hold is left out rather than turned into "?".
TEST(Codepage, RoundTripsThroughUtf16AndLeavesOutWhat1251CannotHold) {
  using namespace pg::platform;
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != 0x98) all += static_cast<char>(b);  // 0x98 is the one byte 1251 leaves undefined
  const std::u16string units = CodePageToUtf16(all, 1251);
  ASSERT_EQ(units.size(), all.size());
  EXPECT_EQ(Utf16ToCp1251(units), all);
  EXPECT_EQ(CodePageToUtf16("\xD1\xE5\xE2\xE5\xF0", 1251), u"Север");
  EXPECT_EQ(CodePageToUtf16("\x80", 1252), u"\u20AC");
  EXPECT_EQ(Utf16ToCp1251(u"Ю\u4E2D\u044F"), "\xDE\xFF");            // 中 between two letters
  EXPECT_EQ(Utf16ToCp1251(u"a\U0001F600b\xD800"), "ab");              // a pair and a lone half
  std::u16string pair;
  AppendUtf16(pair, 0x1F600);
  EXPECT_EQ(pair, u"\U0001F600");
}

// The code pages of the character sets metafile fonts ask for: every defined
// byte comes back from its code point, and each set names its page and back.
TEST(Codepage, MetafileCharsetsHaveTheirCodePages) {
  using namespace pg::platform;
  for (const int page : {1250, 1251, 1252, 1253, 1254, 1257}) {
    EXPECT_EQ(CodePageOfCharset(CharsetOfCodePage(page)), page);
    int defined = 0;
    for (int b = 0; b < 256; ++b) {
      const std::uint32_t cp = CodePointOf(static_cast<unsigned char>(b), page);
      if (cp == 0xFFFD) continue;
      ++defined;
      EXPECT_EQ(ByteOfCodePoint(cp, page), b) << page << " " << b;
    }
    EXPECT_GE(defined, 256 - 17) << page;
  }
  EXPECT_EQ(CodePointOf(0x8A, 1250), 0x0160u);  // Š
  EXPECT_EQ(CodePointOf(0xC1, 1253), 0x0391u);  // Α
  EXPECT_EQ(CodePointOf(0xD0, 1254), 0x011Eu);  // Ğ
  EXPECT_EQ(CodePointOf(0xE0, 1257), 0x0105u);  // ą
  EXPECT_EQ(ByteOfCodePoint(0x03A9, 1251), -1);  // Ω has no Cyrillic byte
  EXPECT_EQ(CodePageOfCharset(1), 1251);         // the default set is the module's own
  EXPECT_EQ(CodePageOfCharset(128), 1251);
}

}  // namespace
