#pragma once
// The scripted user: dialog lines queued for the next dialog the module opens,
// the answers of the common dialogs, and the edit command that opens an editor.
#include <functional>
#include <string>
#include <vector>

#include "module_session.h"
#include "platform/dialog.h"

namespace pg::host {

using DialogPrintFn = std::function<void(const std::string& cp1251Text)>;

// Runs the command if it is one of these (dialog, colordialog, fontdialog,
// edit); false for any other command word. Throws ScriptError for malformed use.
// The run's one scripted user, made the platform's current one.
platform::ScriptedUser& ScriptedUserOfTheRun();

bool RunDialogCommand(ModuleSession& session, const std::vector<std::string>& words, const DialogPrintFn& print);

}  // namespace pg::host
