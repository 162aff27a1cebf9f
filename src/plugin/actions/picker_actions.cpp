#include <memory>

#include "dialogs/form_color_text.h"
#include "plugin/actions/plain_actions.h"
#include "plugin/host_services.h"

namespace pg::plugin {

// A new auxiliary form each time, so the dialogs remember nothing between calls.
// Any failure writes nothing and stays inside the module.
bool ColourBoxAction(const Params& p) {
  try {
    const auto form = std::make_unique<dialogs::TFormColorText>();
    if (const auto triple = form->RunColorDialog2()) SetHostVariable(p.at(0), *triple);
  } catch (...) {
  }
  return false;
}

bool FontDialogAction(const Params& p) {
  try {
    const auto form = std::make_unique<dialogs::TFormColorText>();
    if (const auto description = form->RunFontDialog2()) SetHostVariable(p.at(0), *description);
  } catch (...) {
  }
  return false;
}

}  // namespace pg::plugin
