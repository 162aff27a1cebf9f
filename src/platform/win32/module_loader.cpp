#include "platform/module_loader.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace pg::platform {

namespace {

using GlobalAllocFn = HGLOBAL(WINAPI*)(UINT, SIZE_T);
using GlobalFreeFn = HGLOBAL(WINAPI*)(HGLOBAL);
using GetLocaleInfoAFn = int(WINAPI*)(LCID, LCTYPE, LPSTR, int);

GlobalMemoryObserver* g_observer = nullptr;
char g_decimal = 0;
char g_group = 0;

template <typename Fn>
Fn RealKernel32(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), name)));
}

HGLOBAL WINAPI WatchedGlobalAlloc(UINT flags, SIZE_T n) {
  static const auto real = RealKernel32<GlobalAllocFn>("GlobalAlloc");
  HGLOBAL h = real(flags, n);
  if (h && g_observer) g_observer->OnAlloc(h, n);
  return h;
}

HGLOBAL WINAPI WatchedGlobalFree(HGLOBAL h) {
  static const auto real = RealKernel32<GlobalFreeFn>("GlobalFree");
  if (h && g_observer && !g_observer->OnFree(h)) return h;  // GlobalFree's failure answer
  return real(h);
}

int WINAPI WatchedGetLocaleInfoA(LCID lcid, LCTYPE type, LPSTR buf, int size) {
  static const auto real = RealKernel32<GetLocaleInfoAFn>("GetLocaleInfoA");
  const char given = (type & 0xFFFF) == LOCALE_SDECIMAL ? g_decimal : (type & 0xFFFF) == LOCALE_STHOUSAND ? g_group : 0;
  if (given) {
    if (size == 0) return 2;
    if (size < 2 || !buf) return 0;
    buf[0] = given;
    buf[1] = 0;
    return 2;
  }
  return real(lcid, type, buf, size);
}

// Points the module's import of kernel32's `name` at `replacement`: the host's
// way of seeing the module's calls without changing the module.
void PatchImport(HMODULE module, const char* name, void* replacement) {
  auto* base = reinterpret_cast<unsigned char*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress) return;
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
    if (_stricmp(reinterpret_cast<const char*>(base + imp->Name), "kernel32.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
      DWORD old = 0;
      if (::VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old)) {
        slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
        ::VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
      }
    }
  }
}

}  // namespace

std::string ProgramPath() {
  // In the system code page, as LoadLibraryA expects the module's path.
  std::vector<char> buf(MAX_PATH);
  while (true) {
    const DWORD n = ::GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return "";
    // A name that fills the buffer was cut short: try a larger one.
    if (n < buf.size()) return std::string(buf.data(), n);
    if (buf.size() >= 32768) return "";
    buf.resize(buf.size() * 2);
  }
}

ModuleHandle LoadModule(const std::string& path, std::string* error) {
  HMODULE h = ::LoadLibraryA(path.c_str());
  if (!h && error) *error = "LoadLibrary failed with error " + std::to_string(::GetLastError());
  return reinterpret_cast<ModuleHandle>(h);
}

void* ModuleSymbol(ModuleHandle module, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

void UnloadModule(ModuleHandle module) {
  if (module) ::FreeLibrary(static_cast<HMODULE>(module));
}

void WatchGlobalMemory(ModuleHandle module, GlobalMemoryObserver* observer) {
  g_observer = observer;
  for (HMODULE m : {static_cast<HMODULE>(module), ::GetModuleHandleA(nullptr)}) {
    if (!m) continue;
    PatchImport(m, "GlobalAlloc", reinterpret_cast<void*>(&WatchedGlobalAlloc));
    PatchImport(m, "GlobalFree", reinterpret_cast<void*>(&WatchedGlobalFree));
  }
}

void OverrideDecimalSeparator(ModuleHandle module, char c) {
  g_decimal = c;
  if (module) PatchImport(static_cast<HMODULE>(module), "GetLocaleInfoA", reinterpret_cast<void*>(&WatchedGetLocaleInfoA));
}

void OverrideGroupSeparator(ModuleHandle module, char c) {
  g_group = c;
  if (module) PatchImport(static_cast<HMODULE>(module), "GetLocaleInfoA", reinterpret_cast<void*>(&WatchedGetLocaleInfoA));
}

}  // namespace pg::platform
