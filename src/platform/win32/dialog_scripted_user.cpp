// The scripted user is set by the host and read by the module, which on
// Windows are two modules with two copies of this code. They meet in a small
// named memory block of the process that holds the pointer.
#include <windows.h>

#include <string>

#include "platform/dialog.h"

namespace pg::platform {
namespace {

ScriptedUser** SharedCell() {
  static ScriptedUser** cell = [] {
    const std::string name = "Local\\PirogramScriptedUser." + std::to_string(::GetCurrentProcessId());
    HANDLE mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          sizeof(ScriptedUser*), name.c_str());
    if (!mapping) return static_cast<ScriptedUser**>(nullptr);
    // The mapping stays open for the life of the process: both copies need it.
    return static_cast<ScriptedUser**>(::MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ScriptedUser*)));
  }();
  return cell;
}

}  // namespace

ScriptedUser* CurrentScriptedUser() {
  ScriptedUser** cell = SharedCell();
  return cell ? *cell : nullptr;
}

void SetScriptedUser(ScriptedUser* user) {
  if (ScriptedUser** cell = SharedCell()) *cell = user;
}

}  // namespace pg::platform
