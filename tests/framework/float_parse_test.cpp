#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "framework/errors.h"
#include "framework/text/float_parse.h"

namespace {

using pg::text::StrToFloat;

struct Accepted {
  std::string_view text;
  char separator;
  double value;
};

TEST(FloatParse, AcceptsDecimalNumbers) {
  const Accepted cases[] = {
      {"25", '.', 25.0},
      {"1.5", '.', 1.5},
      {"1,5", ',', 1.5},
      {"  -1.5  ", '.', -1.5},
      {"+2", '.', 2.0},
      {".5", '.', 0.5},
      {"5.", '.', 5.0},
      {"1e3", '.', 1000.0},
      {"1E+3", '.', 1000.0},
      {"2.5e-1", '.', 0.25},
      {"2,5E-1", ',', 0.25},
      {"0.1", '.', 0.1},
      {"123456789012345678901234567890", '.', 1.2345678901234568e29},
      {"0.000e999999999999", '.', 0.0},
      {"1e-400", '.', 0.0},
      {"1.7976931348623157e308", '.', DBL_MAX},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToFloat(c.text, c.separator), c.value);
  }
  EXPECT_TRUE(std::signbit(StrToFloat("-0", '.')));
  // Long digit strings are converted exactly, not digit by digit.
  EXPECT_EQ(StrToFloat("17976931348623157" + std::string(292, '0'), '.'), DBL_MAX);
  EXPECT_THROW(StrToFloat("2" + std::string(308, '0'), '.'), pg::ConvertError);
}

TEST(FloatParse, RejectsOtherTextAndOverflow) {
  const struct {
    std::string_view text;
    char separator;
  } cases[] = {
      {"", '.'},       {"  ", '.'},      {"-", '.'},       {".", '.'},        {"1,5", '.'},
      {"1.5", ','},    {"1.5.", '.'},    {"1..5", '.'},    {"1 000", '.'},    {"1e", '.'},
      {"1e+", '.'},    {"e5", '.'},      {"1e5.0", '.'},   {"- 1", '.'},      {"0x10", '.'},
      {"inf", '.'},    {"nan", '.'},     {"1e400", '.'},   {"-1e400", '.'},   {"1e999999999999999999999", '.'},
      {"2e308", '.'},  {"1,5,", ','},    {"\t1", '.'},     {"$10", '.'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_THROW(StrToFloat(c.text, c.separator), pg::ConvertError);
  }
}

TEST(FloatParse, FailureNamesTheText) {
  try {
    StrToFloat("1e400", '.');
    FAIL();
  } catch (const pg::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'1e400' is not a valid floating point value");
  }
}

}  // namespace
