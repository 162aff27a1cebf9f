#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/errors.h"
#include "framework/params/font_format.h"

namespace {

using namespace pg::params;
using pg::TFontSpec;

TFontSpec BoldArial() { return {"Arial", pg::clBlack, 10, pg::fsBold, 0}; }

TFontSpec Applied(std::string_view description, TFontSpec font = BoldArial()) {
  FontSpecTarget target(font);
  ApplyFontDescription(description, target);
  return font;
}

// Records each change in order, to show where a failing description stops.
class RecordingTarget final : public FontTarget {
 public:
  std::vector<std::string> calls;
  void SetName(const std::string& name) override { calls.push_back("name " + name); }
  void SetColor(pg::TColor color) override { calls.push_back("color " + std::to_string(color)); }
  void SetSize(int points) override { calls.push_back("size " + std::to_string(points)); }
  void AddStyles(std::uint8_t styles) override { calls.push_back("styles " + std::to_string(styles)); }
  void SetCharset(std::uint8_t charset) override { calls.push_back("charset " + std::to_string(charset)); }
};

TEST(FontFormat, WritesDescriptions) {
  EXPECT_EQ(WriteFontDescription({"Arial", pg::clRed, 12, pg::fsBold | pg::fsUnderline, 204}),
            "Arial|clRed|12|fsBold fsUnderline |204");
  EXPECT_EQ(WriteFontDescription({"Arial", pg::clBlack, 10, pg::fsBold | pg::fsItalic, 204}),
            "Arial|clBlack|10|fsBold fsItalic |204");
  EXPECT_EQ(WriteFontDescription({"MS Sans Serif", 0x00030201, 8, 0, 1}), "MS Sans Serif|$00030201|8||1");
  EXPECT_EQ(WriteFontDescription({"X", pg::clWindowText, 9, 15, 0}),
            "X|clWindowText|9|fsBold fsItalic fsUnderline fsStrikeOut |0");
}

TEST(FontFormat, EveryFontReadsBackAsWritten) {
  const TFontSpec fonts[] = {
      {"Times New Roman", pg::clBlue, 14, pg::fsItalic | pg::fsStrikeOut, 204},
      {"Arial", 0x00123456, 8, 0, 0},
      {"Pipe|Face", pg::clRed, 8, pg::fsBold, 1},
      {"\"Quoted\" Face", pg::clRed, 8, 0, 0},
      {" padded ", pg::clNone, -11, 0, 255},
      {"", pg::clDefault, 0, 0, 0},
  };
  for (const auto& font : fonts) {
    const std::string description = WriteFontDescription(font);
    SCOPED_TRACE(description);
    EXPECT_EQ(Applied(description, TFontSpec{"Old", pg::clLime, 1, 0, 7}), font);
    TFontSpec whole;
    FontSpecTarget target(whole);
    ApplyWholeFontDescription(description, target);
    EXPECT_EQ(whole, font);
  }
}

TEST(FontFormat, AppliesFieldsAndOnlyAddsStyles) {
  const struct {
    std::string_view description;
    TFontSpec font;
  } cases[] = {
      {"Times New Roman|clRed|12|fsItalic|204", {"Times New Roman", pg::clRed, 12, pg::fsBold | pg::fsItalic, 204}},
      {"Arial|clRed|12||204", {"Arial", pg::clRed, 12, pg::fsBold, 204}},
      {" Courier New |clred| 9 |xfsUnderlinex fsbold|0", {"Courier New", pg::clRed, 9, pg::fsBold | pg::fsUnderline, 0}},
      {"Arial|$00FF0000|12|fsStrikeOutfsItalic|460", {"Arial", pg::clBlue, 12, pg::fsBold | pg::fsStrikeOut | pg::fsItalic, 204}},
      {"Arial|cl Red|1 2|fs Italic|-1", {"Arial", pg::clRed, 12, pg::fsBold | pg::fsItalic, 255}},
      {"\"Arial\"|clRed|12||0|extra", {"Arial", pg::clRed, 12, pg::fsBold, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(Applied(c.description), c.font);
  }
}

TEST(FontFormat, StopsAtTheFirstFailureKeepingEarlierFields) {
  const struct {
    std::string_view description;
    std::vector<std::string> calls;
    bool listError;
  } cases[] = {
      {"Arial|clRed|12|fsBold", {"name Arial", "color 255", "size 12", "styles 1"}, true},
      {"Arial|red|12|fsBold|0", {"name Arial"}, false},
      {"Arial|clRed|12pt|fsBold|0", {"name Arial", "color 255"}, false},
      {"Arial|clRed|12|fsBold|Cyrillic", {"name Arial", "color 255", "size 12", "styles 1"}, false},
      {"Arial", {"name Arial"}, true},
      {"", {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    RecordingTarget target;
    if (c.listError)
      EXPECT_THROW(ApplyFontDescription(c.description, target), pg::ListIndexError);
    else
      EXPECT_THROW(ApplyFontDescription(c.description, target), pg::ConvertError);
    EXPECT_EQ(target.calls, c.calls);
  }
}

// The whole reading refuses a list of fewer than five fields before anything
// changes; given five, it applies them in order and stops at a bad one.
TEST(FontFormat, WholeReadingNeedsFiveFieldsThenAppliesInOrder) {
  struct Case {
    std::string_view description;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"Times New Roman|clRed|12|fsBold|204",
       {"name Times New Roman", "color 255", "size 12", "styles 1", "charset 204"}},
      {"Arial|clRed|12|fsBold", {}},
      {"Arial|clRed|x||0", {"name Arial", "color 255"}},
      {"Arial|red|12|fsBold|0", {"name Arial"}},
      {"Arial|clRed|12|fsBold|x", {"name Arial", "color 255", "size 12", "styles 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    RecordingTarget target;
    if (c.calls.size() == 5)
      ApplyWholeFontDescription(c.description, target);
    else if (c.calls.empty())
      EXPECT_THROW(ApplyWholeFontDescription(c.description, target), pg::ListIndexError);
    else
      EXPECT_THROW(ApplyWholeFontDescription(c.description, target), pg::ConvertError);
    EXPECT_EQ(target.calls, c.calls);
  }
}

}  // namespace
