// The parameter formats: every text the host can pass through the integer,
// decimal, colour, font and list readers, and the number pictures. Besides not
// crashing, whatever a writer produces must read back as the same value.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/errors.h"
#include "framework/params/colour_format.h"
#include "framework/params/font_format.h"
#include "framework/params/word_format.h"
#include "framework/text/codepage.h"
#include "framework/text/float_parse.h"
#include "framework/text/int_parse.h"
#include "framework/text/list_split.h"
#include "framework/text/number_format.h"

namespace {

using namespace pg;

// A broken invariant is a finding: stop here so the input is kept.
void Require(bool holds) {
  if (!holds) std::abort();
}

void Integers(std::string_view s) {
  std::int32_t tried = 7;
  const bool ok = text::TryStrToInt(s, tried);
  try {
    const std::int32_t v = text::StrToInt(s);
    Require(ok && v == tried);
    Require(text::StrToInt(std::to_string(v)) == v);
  } catch (const ConvertError&) {
    Require(!ok && tried == 7);
  }
}

void Decimals(std::string_view s) {
  for (const char separator : {'.', ','}) {
    try {
      const double v = text::StrToFloat(s, separator);
      Require(std::isfinite(v));
    } catch (const ConvertError&) {
    }
  }
}

void Colours(std::string_view s) {
  try {
    const TColor c = params::ReadColourText(s);
    Require(params::ReadColourText(params::ColourToText(c)) == c);
    Require(params::ReadColourTriple(params::ColourTripleText(c)) == (c & 0xFFFFFFu));
  } catch (const ConvertError&) {
  }
  try {
    const TColor c = params::ReadColourTriple(s);
    Require(c <= 0xFFFFFFu);
  } catch (const ConvertError&) {
  } catch (const ListIndexError&) {
  }
}

// Records what a description sets, as the chart's fonts receive it.
class RecordingTarget final : public params::FontTarget {
 public:
  void SetName(const std::string& name) override { font.name = name; }
  void SetColor(TColor color) override { font.color = color; }
  void SetSize(int points) override { font.size = points; }
  void AddStyles(std::uint8_t styles) override { font.styles |= styles; }
  void SetCharset(std::uint8_t charset) override { font.charset = charset; }
  TFontSpec font;
};

void Fonts(std::string_view s) {
  RecordingTarget applied;
  bool appliedAll = true;
  try {
    params::ApplyFontDescription(s, applied);
  } catch (const Exception&) {
    appliedAll = false;
  }
  // The whole reading applies the same fields, only refusing a short list first.
  RecordingTarget whole;
  bool wholeAll = true;
  try {
    params::ApplyWholeFontDescription(s, whole);
  } catch (const Exception&) {
    wholeAll = false;
  }
  Require(!wholeAll || (appliedAll && whole.font == applied.font));
  if (wholeAll) {
    RecordingTarget again;
    params::ApplyWholeFontDescription(params::WriteFontDescription(whole.font), again);
    Require(again.font == whole.font);
  }
}

void Lists(std::string_view s) {
  for (const char delimiter : {',', ';', '|'}) {
    const auto items = text::SplitList(s, delimiter);
    const auto fields = text::SplitFields(s, delimiter);
    for (const auto* list : {&items, &fields}) {
      try {
        text::ListItem(*list, list->size());
        Require(false);
      } catch (const ListIndexError&) {
      }
    }
  }
}

void Words(std::string_view s) {
  const auto word = params::ReadBoolWord(s);
  Require((word == params::BoolWord::Neither) == !params::ReadBoolValue(s).has_value());
  (void)params::ReadAlignmentWord(s);
}

void CodePages(std::string_view s) {
  const std::string utf8 = text::Cp1251ToUtf8(s);
  bool mapped = true;
  for (const char c : s)
    if (text::CodePointOf(static_cast<unsigned char>(c), 1251) == 0xFFFDu) mapped = false;
  if (mapped) Require(text::Utf8ToCp1251(utf8) == s);
  (void)text::Utf8ToCp1251(s);
}

// "picture\nvalue": the value as decimal text, or else the raw bytes of a double.
void NumberPictures(std::string_view s) {
  const auto newline = s.find('\n');
  const std::string_view picture = s.substr(0, newline);
  const std::string_view rest = newline == std::string_view::npos ? std::string_view{} : s.substr(newline + 1);
  double value = 0;
  try {
    value = text::StrToFloat(rest, '.');
  } catch (const ConvertError&) {
    if (!rest.empty()) std::memcpy(&value, rest.data(), std::min(rest.size(), sizeof value));
  }
  (void)text::FormatFloat(picture, value, '.', ',');
  (void)text::FormatFloat(picture, value, ',', '\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view s(reinterpret_cast<const char*>(data), size);
  Integers(s);
  Decimals(s);
  Colours(s);
  Fonts(s);
  Lists(s);
  Words(s);
  CodePages(s);
  NumberPictures(s);
  return 0;
}
