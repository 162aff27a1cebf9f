#pragma once
// Folder rule — win32/window: the Windows build's windows, classes, message loop and
// timers; may include win32/, windows.h and the platform interface.
// Window classes of this module (the DLL and the host each register their own,
// under their own instance handle).
#include <windows.h>

namespace pg::platform::win32 {

// The instance handle of the module this code is linked into.
HINSTANCE ModuleInstance();

// Registers wc under ModuleInstance(). A class of that name left by an earlier
// load of the module is reused when it matches and replaced when it does not.
bool RegisterModuleClass(WNDCLASSEXW wc);

}  // namespace pg::platform::win32
