// Scripts as authors' editors save them: UTF-8 with or without a byte order
// mark, or code page 1251; UTF-16 and a marked script with broken lines stop.
#include <gtest/gtest.h>

#include "framework/text/codepage.h"
#include "script_line.h"
#include "script_text.h"

namespace pg::host {
namespace {

TEST(ScriptText, Utf8WithOrWithoutByteOrderMark) {
  const auto plain = DecodeScript("rect P 10 10\nset v \"Север\"\n");
  const auto marked = DecodeScript("\xEF\xBB\xBF" "rect P 10 10\r\nset v \"Север\"");
  EXPECT_EQ(plain.firstNonUtf8Line, 0);
  EXPECT_EQ(marked.firstNonUtf8Line, 0);
  ASSERT_EQ(plain.lines.size(), 2u);
  ASSERT_EQ(marked.lines.size(), 2u);
  // The mark no longer sticks to the first command.
  EXPECT_EQ(SplitScriptLine(marked.lines[0]), SplitScriptLine(plain.lines[0]));
  EXPECT_EQ(plain.lines[0], "rect P 10 10");
  EXPECT_EQ(plain.lines[1], text::Utf8ToCp1251("set v \"Север\""));
  EXPECT_EQ(marked.lines[1], plain.lines[1]);
}

TEST(ScriptText, Cp1251IsReadAsSuchAndItsFirstLineNamed) {
  const std::string label = text::Utf8ToCp1251("set v \"Север\"");
  const std::string comment = text::Utf8ToCp1251("# Юг и Восток");
  const auto script = DecodeScript("rect P 10 10\n" + label + "\r\n" + comment);
  EXPECT_EQ(script.firstNonUtf8Line, 2);
  ASSERT_EQ(script.lines.size(), 3u);
  EXPECT_EQ(script.lines[0], "rect P 10 10");
  EXPECT_EQ(script.lines[1], label + "\r");
  EXPECT_EQ(script.lines[2], comment);
}

TEST(ScriptText, RefusesUtf16AndBrokenLinesAfterAMark) {
  EXPECT_THROW(DecodeScript(std::string("\xFF\xFEr\0e\0c\0t\0", 10)), ScriptError);
  EXPECT_THROW(DecodeScript(std::string("\xFE\xFF\0r\0e", 6)), ScriptError);
  try {
    DecodeScript("\xEF\xBB\xBF" "rect P 1 1\n" + text::Utf8ToCp1251("set v \"Юг\"") + "\n");
    FAIL() << "a marked script with a code page 1251 line ran";
  } catch (const ScriptError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("line 2: ", 0), 0u) << e.what();
  }
}

TEST(ScriptText, EmptyAndUnendedScripts) {
  EXPECT_TRUE(DecodeScript("").lines.empty());
  EXPECT_TRUE(DecodeScript("\xEF\xBB\xBF").lines.empty());
  const auto script = DecodeScript("info\n\ncatalogue");
  ASSERT_EQ(script.lines.size(), 3u);
  EXPECT_EQ(script.lines[2], "catalogue");
}

}  // namespace
}  // namespace pg::host
