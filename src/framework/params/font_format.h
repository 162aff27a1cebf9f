#pragma once
// Font descriptions: "face|colour|size|styles|charset", e.g.
// "Arial|clBlack|10|fsBold fsItalic |204".
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/colour.h"
#include "framework/font_spec.h"

namespace pg::params {

// What a font description is applied to, one property at a time.
class FontTarget {
 public:
  virtual ~FontTarget() = default;
  virtual void SetName(const std::string& name) = 0;
  virtual void SetColor(TColor color) = 0;
  virtual void SetSize(int points) = 0;
  // Adds the given fs* flags; styles already set are kept.
  virtual void AddStyles(std::uint8_t styles) = 0;
  virtual void SetCharset(std::uint8_t charset) = 0;

 protected:
  FontTarget() = default;
  FontTarget(const FontTarget&) = default;
  FontTarget& operator=(const FontTarget&) = default;
};

// A FontTarget that writes into a TFontSpec it does not own.
class FontSpecTarget final : public FontTarget {
 public:
  explicit FontSpecTarget(TFontSpec& fontSpec) : spec_(fontSpec) {}
  void SetName(const std::string& name) override { spec_.name = name; }
  void SetColor(TColor color) override { spec_.color = color; }
  void SetSize(int points) override { spec_.size = points; }
  void AddStyles(std::uint8_t styles) override { spec_.styles |= styles; }
  void SetCharset(std::uint8_t charset) override { spec_.charset = charset; }

 private:
  TFontSpec& spec_;
};

// The description of a font: the face (quoted only if it would not read back
// as it is), the colour text, the size, the style words each followed by a
// blank, the character set.
std::string WriteFontDescription(const TFontSpec& font);

// Applies the "|"-separated fields in order - face, colour text, size, styles
// named anywhere in field 3 (added, never removed), low byte of field 4 as
// character set - each taking effect before the next field is read. Fields are
// trimmed; the face keeps its inner blanks, the other fields ignore blanks. A field that does not convert or
// is missing throws (pg::ConvertError, pg::ListIndexError) with the earlier
// fields applied.
void ApplyFontDescription(std::string_view text, FontTarget& target);

// The same, except that a description of fewer than five fields throws
// (pg::ListIndexError) before any field is applied.
void ApplyWholeFontDescription(std::string_view text, FontTarget& target);

}  // namespace pg::params
