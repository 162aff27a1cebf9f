#include "dialogs/window_pickers.h"

#include "framework/font_spec.h"
#include "framework/params/colour_format.h"
#include "framework/params/font_format.h"

namespace pg::dialogs {

WindowPickers::WindowPickers() {
  font_.font.face = "MS Sans Serif";
  font_.font.height = -11;
  font_.font.charset = 1;
  font_.color = clWindowText;
  font_.points = 8;
}

std::optional<std::string> WindowPickers::PickColour() {
  const auto chosen = platform::ChooseColourDialog(colour_);
  if (!chosen) return std::nullopt;
  colour_ = *chosen;
  return params::ColourTripleText(colour_);
}

std::optional<std::string> WindowPickers::PickFont() {
  const auto chosen = platform::ChooseFontDialog(font_);
  if (!chosen) return std::nullopt;
  font_ = *chosen;
  return FontChoiceDescription(font_);
}

std::string FontChoiceDescription(const platform::FontChoice& choice) {
  TFontSpec editorTable;
  editorTable.name = choice.font.face;
  editorTable.color = choice.color;
  editorTable.size = choice.points;
  editorTable.styles = static_cast<std::uint8_t>((choice.font.weight >= 700 ? fsBold : 0) | (choice.font.italic ? fsItalic : 0) |
                                          (choice.font.underline ? fsUnderline : 0) |
                                          (choice.font.strikeOut ? fsStrikeOut : 0));
  editorTable.charset = static_cast<std::uint8_t>(choice.font.charset);
  return params::WriteFontDescription(editorTable);
}

}  // namespace pg::dialogs
