// The scripted user of this module copy. The host and the module are two
// copies of the platform code; only the host's copy sets a user, and its timer
// drives whatever dialog the module opens on the host's thread.
#include "platform/dialog.h"
#include "platform/win32/dialog/dialog_window_driver.h"

namespace pg::platform {
namespace {

ScriptedUser* g_user = nullptr;

}  // namespace

ScriptedUser* CurrentScriptedUser() { return g_user; }

void SetScriptedUser(ScriptedUser* user) {
  g_user = user;
  DriveDialogsOfThisThread(user);
}

}  // namespace pg::platform
