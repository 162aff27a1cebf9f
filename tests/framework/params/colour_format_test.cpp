#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "framework/errors.h"
#include "framework/params/colour_format.h"

namespace {

using namespace pg::params;
using pg::TColor;

TEST(ColourFormat, ReadsTriples) {
  const struct {
    std::string_view text;
    TColor colour;
  } cases[] = {
      {"255,0,0", 0x000000FF},
      {"255, 128, 0", 0x000080FF},
      {"1,2,3", 0x00030201},
      {"256,0,0", 0},
      {"-1,0,0", 0xFF},
      {"0,0,-1", 0x00FF0000},
      {"$FF,x80,0", 0x000080FF},
      {"10,20,30,40,junk", 0x001E140A},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadColourTriple(c.text), c.colour);
  }
  EXPECT_THROW(ReadColourTriple("255,0"), pg::ListIndexError);
  EXPECT_THROW(ReadColourTriple(""), pg::ListIndexError);
  EXPECT_THROW(ReadColourTriple("255,red,0"), pg::ConvertError);
  EXPECT_THROW(ReadColourTriple("255,,0"), pg::ConvertError);
}

TEST(ColourFormat, WritesTriples) {
  EXPECT_EQ(ColourTripleText(0x000000FF), "255,0,0");
  EXPECT_EQ(ColourTripleText(0x00008000), "0,128,0");
  EXPECT_EQ(ColourTripleText(pg::clBtnFace), "15,0,0");  // system colours are not resolved
  EXPECT_EQ(ColourTripleText(pg::clDefault), "0,0,0");
  EXPECT_EQ(ReadColourTriple(ColourTripleText(0x00123456)), 0x00123456u);
}

TEST(ColourFormat, ReadsColourText) {
  const struct {
    std::string_view text;
    TColor colour;
  } cases[] = {
      {"clRed", pg::clRed},         {"clred", pg::clRed},          {"CLRED", pg::clRed},
      {"cl3ddkshadow", pg::cl3DDkShadow}, {"clNone", pg::clNone},  {"$0000FF", pg::clRed},
      {"255", pg::clRed},           {"16711680", pg::clBlue},      {"$00FF8000", 0x00FF8000},
      {"-1", 0xFFFFFFFF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadColourText(c.text), c.colour);
  }
  for (const std::string_view bad : {"red", "", " clRed", "clRed ", "cl Red"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(ReadColourText(bad), pg::ConvertError);
  }
}

TEST(ColourFormat, WritesColourText) {
  EXPECT_EQ(ColourToText(0x000000FF), "clRed");
  EXPECT_EQ(ColourToText(0x00FFFFFF), "clWhite");
  EXPECT_EQ(ColourToText(0), "clBlack");
  EXPECT_EQ(ColourToText(pg::clWindowText), "clWindowText");
  EXPECT_EQ(ColourToText(0x00030201), "$00030201");
  EXPECT_EQ(ColourToText(0x001E140A), "$001E140A");
  EXPECT_EQ(ColourToText(0xFF0000AB), "$FF0000AB");
  EXPECT_EQ(ColourToText(ReadColourTriple("256,0,0")), "clBlack");
}

TEST(ColourFormat, TableHasDistinctNamesAndValuesThatRoundTrip) {
  std::set<std::string> names;
  std::set<TColor> values;
  for (const auto& entry : kColourTable) {
    SCOPED_TRACE(entry.name);
    std::string lower(entry.name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    names.insert(lower);
    values.insert(entry.value);
    EXPECT_EQ(ColourToText(entry.value), entry.name);
    EXPECT_EQ(ReadColourText(entry.name), entry.value);
  }
  EXPECT_EQ(names.size(), kColourTable.size());
  EXPECT_EQ(values.size(), kColourTable.size());
  EXPECT_EQ(kColourTable.front().name, "clBlack");
  EXPECT_EQ(kColourTable[19].name, "clMedGray");
  EXPECT_EQ(kColourTable[26].name, "clBtnShadow");
  EXPECT_EQ(kColourTable.back().name, "clWindowText");
}

}  // namespace
