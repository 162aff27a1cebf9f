// A loaded module's version, from the version resource of its file.
#include <windows.h>

#include <vector>

#include "platform/module_loader.h"

namespace pg::platform {

std::string ModuleVersion(ModuleHandle module) {
  if (!module) return {};
  wchar_t path[MAX_PATH * 2];
  const DWORD n = ::GetModuleFileNameW(static_cast<HMODULE>(module), path, MAX_PATH * 2);
  if (n == 0 || n >= MAX_PATH * 2) return {};
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!::GetFileVersionInfoW(path, 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof *info)
    return {};
  return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
         std::to_string(HIWORD(info->dwFileVersionLS));
}

}  // namespace pg::platform
