#include "plugin/actions/plain_actions.h"

namespace pg::plugin {

// The colour and font pickers need the dialog layer; until it exists they write nothing.
bool ColourBoxAction(const Params&) { return false; }
bool FontDialogAction(const Params&) { return false; }

}  // namespace pg::plugin
