#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "framework/errors.h"
#include "framework/text/int_parse.h"

namespace {

using pg::text::StrToInt;
using pg::text::TryStrToInt;

struct Accepted {
  std::string_view text;
  std::int32_t value;
};

TEST(IntParse, AcceptsDecimalAndHexForms) {
  const Accepted cases[] = {
      {"0", 0},
      {"31", 31},
      {"+31", 31},
      {"-31", -31},
      {"   31", 31},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"0x1F", 31},
      {"0X1f", 31},
      {"$1f", 31},
      {"x1F", 31},
      {"X1F", 31},
      {"$FFFFFFFF", -1},
      {"-$FFFFFFFF", 1},
      {"$80000000", INT32_MIN},
      {"-$80000000", INT32_MIN},
      {"-$10", -16},
      {"+$10", 16},
      {"-0x10", -16},
      {"$0000000012345678", 0x12345678},
      {"$0FFFFFFF", 0x0FFFFFFF},
      {"$7FFFFFFF", 0x7FFFFFFF},
      {"$0000FF", 255},
      {"16711680", 16711680},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToInt(c.text), c.value);
  }
}

TEST(IntParse, RejectsEverythingElse) {
  const std::string_view cases[] = {
      "", " ", "+", "-", "$", "0x", "x", "-$",
      "31 ", "31x", " 3 1", "- 5", "3-", "++1", "+-1", "1.0", "1e3", "$G", "0x1G", "$ 1",
      "2147483648", "-2147483649", "99999999999999999999",
      "$123456789", "$100000000", "$FFFFFFFF0",
      "\t31", "31\t", "0b101",
      std::string_view("3\0" "1", 3),
  };
  for (const auto& text : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    EXPECT_THROW(StrToInt(text), pg::ConvertError);
    std::int32_t value = 77;
    EXPECT_FALSE(TryStrToInt(text, value));
    EXPECT_EQ(value, 77);
  }
}

TEST(IntParse, FailureNamesTheText) {
  try {
    StrToInt("12a");
    FAIL();
  } catch (const pg::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
  }
  std::int32_t value = 0;
  EXPECT_TRUE(TryStrToInt("-$10", value));
  EXPECT_EQ(value, -16);
}

}  // namespace
