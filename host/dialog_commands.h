#pragma once
// The scripted user: dialog lines queued for the next dialog the module opens,
// the answers of the common dialogs, and the edit command that opens an editor.
#include <functional>
#include <string>
#include <vector>

#include "module_session.h"
#include "platform/dialog.h"
#include "window_commands.h"

namespace pg::host {

using DialogPrintFn = std::function<void(const std::string& cp1251Text)>;

// The run's one scripted user, made the platform's current one.
platform::ScriptedUser& ScriptedUserOfTheRun();

// Runs the command if it is one of these (dialog, colordialog, fontdialog,
// edit); false for any other command word. Throws ScriptError for malformed use.
// utf8Words are the same words in UTF-8 (empty: converted from words). A
// snapshot the user took is named through `wrote`.
bool RunDialogCommand(ModuleSession& session, const std::vector<std::string>& words,
                      const std::vector<std::string>& utf8Words, const DialogPrintFn& print, const WroteFn& wrote);

}  // namespace pg::host
