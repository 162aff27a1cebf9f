#include <gtest/gtest.h>

#include <string_view>

#include "framework/params/word_format.h"

namespace {

using namespace pg::params;
using pg::TAlignment;

TEST(WordFormat, BooleanWordsAreWholeAndCaseSensitive) {
  const struct {
    std::string_view text;
    BoolWord word;
  } cases[] = {
      {"True", BoolWord::On},        {"true", BoolWord::On},        {"False", BoolWord::Off},
      {"false", BoolWord::Off},      {"TRUE", BoolWord::Neither},   {"FALSE", BoolWord::Neither},
      {"1", BoolWord::Neither},      {"", BoolWord::Neither},       {" True", BoolWord::Neither},
      {"True ", BoolWord::Neither},  {"tRue", BoolWord::Neither},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadBoolWord(c.text), c.word);
  }
}

TEST(WordFormat, AlignmentWords) {
  EXPECT_EQ(ReadAlignmentWord("Left"), TAlignment::taLeftJustify);
  EXPECT_EQ(ReadAlignmentWord("Center"), TAlignment::taCenter);
  EXPECT_EQ(ReadAlignmentWord("Right"), TAlignment::taRightJustify);
  for (const std::string_view other : {"left", "Centre", "CENTER", "", " Right"}) {
    SCOPED_TRACE(other);
    EXPECT_FALSE(ReadAlignmentWord(other).has_value());
  }
}

}  // namespace
