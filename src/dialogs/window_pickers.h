#pragma once
// The colour and font pickers of one window. Each reopens on the last choice
// confirmed in the same window.
#include <optional>
#include <string>

#include "platform/dialog.h"

namespace pg::dialogs {

class WindowPickers {
 public:
  WindowPickers();
  // The colour triple of the confirmed colour, or nullopt on cancel.
  std::optional<std::string> PickColour();
  // The font description of the confirmed font, or nullopt on cancel.
  std::optional<std::string> PickFont();

  platform::Color LastColour() const { return colour_; }
  const platform::FontChoice& LastFont() const { return font_; }

 private:
  platform::Color colour_ = 0;
  platform::FontChoice font_;
};

// The description of a font as the font dialog returned it.
std::string FontChoiceDescription(const platform::FontChoice& choice);

}  // namespace pg::dialogs
