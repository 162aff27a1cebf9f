#include "dialogs/form_color_text.h"

namespace pg::dialogs {

std::optional<std::string> TFormColorText::RunFontDialog2() {
  auto text = pickers_.PickFont();
  if (text) label1Font_ = pickers_.LastFont();
  return text;
}

}  // namespace pg::dialogs
