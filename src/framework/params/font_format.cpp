#include "framework/params/font_format.h"

#include <vector>

#include "framework/text/int_parse.h"
#include "framework/text/list_split.h"
#include "framework/params/colour_format.h"

namespace pg::params {
namespace {

constexpr char kDelimiter = '|';

struct StyleWord {
  std::string_view word;  // written with one trailing blank
  std::uint8_t flag;
};
constexpr StyleWord kStyleWords[] = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};

bool IsTrimmed(unsigned char c) { return c >= 1 && c <= 32; }

// A face that the field splitter would not give back unchanged goes in quotes.
bool NeedsQuotes(std::string_view name) {
  if (name.empty()) return false;
  return name.find(kDelimiter) != std::string_view::npos || name.front() == '"' ||
         IsTrimmed(static_cast<unsigned char>(name.front())) || IsTrimmed(static_cast<unsigned char>(name.back()));
}

std::string QuotedName(std::string_view name) {
  std::string out = "\"";
  for (const char c : name) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::uint8_t StylesNamedIn(std::string_view field) {
  std::uint8_t styles = 0;
  for (const auto& style : kStyleWords)
    if (field.find(style.word) != std::string_view::npos) styles |= style.flag;
  return styles;
}

// Only the face may contain blanks; in the other fields they have always been
// ignored ("1 2" is size 12, "cl Red" is red).
std::string WithoutBlanks(std::string_view field) {
  std::string out;
  for (const char c : field)
    if (c != ' ') out.push_back(c);
  return out;
}

std::string Field(const std::vector<std::string>& fields, std::size_t index) {
  return WithoutBlanks(text::ListItem(fields, index));
}

void ApplyFields(const std::vector<std::string>& fields, FontTarget& target) {
  target.SetName(text::ListItem(fields, 0));
  target.SetColor(ReadColourText(Field(fields, 1)));
  target.SetSize(text::StrToInt(Field(fields, 2)));
  target.AddStyles(StylesNamedIn(Field(fields, 3)));
  target.SetCharset(static_cast<std::uint8_t>(static_cast<std::uint32_t>(text::StrToInt(Field(fields, 4))) & 0xFFu));
}

}  // namespace

std::string WriteFontDescription(const TFontSpec& font) {
  std::string out = NeedsQuotes(font.name) ? QuotedName(font.name) : font.name;
  out += kDelimiter;
  out += ColourToText(font.color);
  out += kDelimiter;
  out += std::to_string(font.size);
  out += kDelimiter;
  for (const auto& style : kStyleWords) {
    if ((font.styles & style.flag) == 0) continue;
    out += style.word;
    out += ' ';
  }
  out += kDelimiter;
  out += std::to_string(font.charset);
  return out;
}

void ApplyFontDescription(std::string_view description, FontTarget& target) {
  ApplyFields(text::SplitFields(description, kDelimiter), target);
}

void ApplyWholeFontDescription(std::string_view description, FontTarget& target) {
  const auto fields = text::SplitFields(description, kDelimiter);
  text::ListItem(fields, 4);  // all five fields, before anything is converted
  ApplyFields(fields, target);
}

}  // namespace pg::params
