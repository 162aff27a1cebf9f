#include "plugin/actions/plain_actions.h"
#include "plugin/host_services.h"
#include "framework/notes/action_notes.h"
#include "framework/params/colour_format.h"

namespace pg::plugin {

// Conversions swallow every failure: a malformed input writes nothing.
bool ColourToRgbAction(const Params& p) {
  try {
    SetHostVariable(p.at(1), params::ColourTripleText(params::ReadColourText(p.at(0))));
  } catch (...) {
    notes::NoteParam(1, p.at(0), "is not a colour name or a whole number", true);
  }
  return false;
}

bool RgbToColourAction(const Params& p) {
  try {
    SetHostVariable(p.at(1), params::ColourToText(params::ReadColourTriple(p.at(0))));
  } catch (...) {
    notes::NoteParam(1, p.at(0), "is not a colour R,G,B (three whole numbers)", true);
  }
  return false;
}

}  // namespace pg::plugin
