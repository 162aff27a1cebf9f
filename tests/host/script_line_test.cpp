#include <gtest/gtest.h>

#include "script_line.h"

namespace {

using pg::host::SplitScriptLine;
using Words = std::vector<std::string>;

TEST(ScriptLine, WordsQuotesAndComments) {
  EXPECT_EQ(SplitScriptLine("pgChartCreate \"Rect1\""), (Words{"pgChartCreate", "Rect1"}));
  EXPECT_EQ(SplitScriptLine("  set v \"a \"\"quoted\"\" word\"  # note"), (Words{"set", "v", "a \"quoted\" word"}));
  EXPECT_EQ(SplitScriptLine("x \"\" \"#not a comment\""), (Words{"x", "", "#not a comment"}));
  EXPECT_EQ(SplitScriptLine("# only a comment"), Words{});
  EXPECT_EQ(SplitScriptLine("a\tb\r"), (Words{"a", "b"}));
}

TEST(ScriptLine, MalformedQuotesAreErrors) {
  EXPECT_THROW(SplitScriptLine("set v \"open"), pg::host::ScriptError);
  EXPECT_THROW(SplitScriptLine("set v \"a\"b"), pg::host::ScriptError);
}

}  // namespace
