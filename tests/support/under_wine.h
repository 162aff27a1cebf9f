#pragma once
// Whether the Windows build runs under Wine: its GDI differs from Windows' own
// in a few places the tests name, and those checks run only where they hold.
#ifdef _WIN32
#include <windows.h>
#endif

namespace pg::testing {

inline bool UnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace pg::testing
