#pragma once
// The auxiliary form of the utility pickers: never shown, it holds a colour
// dialog, a font dialog and a label whose font keeps the last picked font.
#include <optional>
#include <string>

#include "dialogs/window_pickers.h"

namespace pg::dialogs {

class TFormColorText {
 public:
  TFormColorText() = default;
  // The picked colour as a colour triple; nullopt when cancelled.
  std::optional<std::string> RunColorDialog2() { return pickers_.PickColour(); }
  // The picked font as a font description; the font also goes into Label1.
  std::optional<std::string> RunFontDialog2();
  const platform::FontChoice& Label1Font() const { return label1Font_; }

 private:
  WindowPickers pickers_;  // a new form starts from black and the initial font
  platform::FontChoice label1Font_;
};

}  // namespace pg::dialogs
