#pragma once
// Folder rule — win32/dialog: the Windows build's modal dialogs and common dialogs; may
// include win32/, windows.h, the shared dialog/ folder and the platform interface.
// How the scripted user reaches a dialog that runs its own modal loop: a timer
// of the dialog's thread finds the open dialog, which answers a registered
// message with itself, and operates it with window messages.
#include <windows.h>

#include "platform/dialog/dialog_driver.h"

namespace pg::platform {

struct OpenDialogLink {
  ScriptedDialog* dialog = nullptr;
  const DialogTemplate* layout = nullptr;
};

// The message an open dialog answers with 1, filling the link passed in lParam.
UINT ScriptedDialogMessage();

// Starts (user not null) or stops the timer of the calling thread that drives
// the dialogs opened on it.
void DriveDialogsOfThisThread(ScriptedUser* user);

}  // namespace pg::platform
