#include "platform/win32/window/window_class.h"

namespace pg::platform::win32 {

HINSTANCE ModuleInstance() {
  static const HINSTANCE instance = [] {
    HMODULE m = nullptr;
    // The address of this function lies inside the module that carries it.
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ModuleInstance), &m);
    return m ? m : ::GetModuleHandleW(nullptr);
  }();
  return instance;
}

bool RegisterModuleClass(WNDCLASSEXW wc) {
  wc.cbSize = sizeof wc;
  wc.hInstance = ModuleInstance();
  if (::RegisterClassExW(&wc)) return true;
  if (::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  WNDCLASSEXW old{};
  old.cbSize = sizeof old;
  if (::GetClassInfoExW(wc.hInstance, wc.lpszClassName, &old) && old.lpfnWndProc == wc.lpfnWndProc &&
      old.hbrBackground == wc.hbrBackground)
    return true;
  // A stale class (its procedure from an unloaded copy of the module) is
  // replaced; while windows of it remain this fails, and so does the caller.
  return ::UnregisterClassW(wc.lpszClassName, wc.hInstance) && ::RegisterClassExW(&wc);
}

}  // namespace pg::platform::win32
