#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/errors.h"
#include "framework/text/list_split.h"

namespace {

using pg::text::ListItem;
using pg::text::SplitFields;
using pg::text::SplitList;
using Items = std::vector<std::string>;

struct Case {
  std::string_view text;
  char delimiter;
  Items items;
};

TEST(ListSplit, FollowsTheListRule) {
  const Case cases[] = {
      {"", ',', {}},
      {"   ", ',', {}},
      {"255,0,0", ',', {"255", "0", "0"}},
      {"255, 128, 0", ',', {"255", "128", "0"}},
      {" 255 ,\t128 , 0 ", ',', {"255", "128", "0"}},
      {"a,,b", ',', {"a", "", "b"}},
      {",a", ',', {"", "a"}},
      {"a,", ',', {"a", ""}},
      {"a, ", ',', {"a"}},  // the delimiter is not the last character
      {",", ',', {"", ""}},
      {"a b,c", ',', {"a", "b", "c"}},  // a blank ends an unquoted item
      {"Times New Roman|clRed", '|', {"Times", "New", "Roman", "clRed"}},
      {"\"a, b\",c", ',', {"a, b", "c"}},
      {"\"say \"\"hi\"\"\",x", ',', {"say \"hi\"", "x"}},
      {"\"\",x", ',', {"", "x"}},
      {"\"ab\"cd", ',', {"ab", "cd"}},
      {"\"open, to the end", ',', {"open, to the end"}},
      {std::string_view("a,b\0,c", 6), ',', {"a", "b"}},  // a zero byte ends the text
      {"\x01" "a\x1F" ",b", ',', {"a", "b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(SplitList(c.text, c.delimiter), c.items);
  }
}

TEST(ListSplit, FieldsKeepInnerBlanks) {
  const Case cases[] = {
      {"", '|', {}},
      {"  ", '|', {}},
      {"Times New Roman|clRed|12||204", '|', {"Times New Roman", "clRed", "12", "", "204"}},
      {" Arial | clRed |\t12 |fsBold fsItalic |204 ", '|', {"Arial", "clRed", "12", "fsBold fsItalic", "204"}},
      {"a|", '|', {"a", ""}},
      {"|a", '|', {"", "a"}},
      {"a| ", '|', {"a", ""}},
      {"\" lead|ing \"|x", '|', {" lead|ing ", "x"}},
      {"\"a\"\"b\" |x", '|', {"a\"b", "x"}},
      {"\"ab\" cd|x", '|', {"ab cd", "x"}},
      {std::string_view("a|b\0|c", 6), '|', {"a", "b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(SplitFields(c.text, c.delimiter), c.items);
  }
}

TEST(ListSplit, ItemBeyondTheLastFails) {
  const Items items = {"a", "b"};
  EXPECT_EQ(ListItem(items, 1), "b");
  try {
    ListItem(items, 2);
    FAIL();
  } catch (const pg::ListIndexError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (2)");
  }
  EXPECT_THROW(ListItem({}, 0), pg::ListIndexError);
}

}  // namespace
