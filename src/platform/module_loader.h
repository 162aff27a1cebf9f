#pragma once
// Loading a module the way a host does, and watching what it does with global
// memory and the locale (the reference host's instruments).
#include <cstddef>
#include <string>

namespace pg::platform {

using ModuleHandle = void*;

// The running program's own file, links resolved, so that a program started
// through a symbolic link or the PATH finds what lies beside it; "" when the
// system cannot tell.
std::string ProgramPath();

// Null on failure; error() then says why.
ModuleHandle LoadModule(const std::string& path, std::string* error);
void* ModuleSymbol(ModuleHandle module, const char* name);
void UnloadModule(ModuleHandle module);
// The version a loaded module carries without being called ("1.0.0"): on Windows
// its version resource, on the portable platform its version note; "" when it
// carries none.
std::string ModuleVersion(ModuleHandle module);

class GlobalMemoryObserver {
 public:
  virtual ~GlobalMemoryObserver() = default;
  virtual void OnAlloc(void* block, std::size_t size) = 0;
  // False: the block is not a live one; it is then left alone instead of freed.
  virtual bool OnFree(void* block) = 0;
};

// Reports every global block allocated or freed by the module and by this
// program to the observer (null stops watching).
void WatchGlobalMemory(ModuleHandle module, GlobalMemoryObserver* observer);

// Makes the module see c as the locale's decimal separator ('\0': the
// locale's own again).
void OverrideDecimalSeparator(ModuleHandle module, char c);
// Makes the module see c as the locale's group (thousands) separator; the module
// still never groups with its decimal separator.
void OverrideGroupSeparator(ModuleHandle module, char c);

}  // namespace pg::platform
