#include "platform/module_loader.h"

#include <dlfcn.h>

#include "platform/soft/soft_state.h"

namespace pg::platform {

ModuleHandle LoadModule(const std::string& path, std::string* error) {
  void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!h && error) *error = dlerror();
  return h;
}

void* ModuleSymbol(ModuleHandle module, const char* name) { return dlsym(module, name); }

void UnloadModule(ModuleHandle module) {
  if (module) dlclose(module);
}

// One allocator serves the whole process here, so watching it sees every block.
void WatchGlobalMemory(ModuleHandle, GlobalMemoryObserver* observer) {
  soft::State().memoryObserver = observer;
}

void OverrideDecimalSeparator(ModuleHandle, char c) {
  soft::State().decimalSeparator = c ? std::optional<char>(c) : std::nullopt;
}

void OverrideGroupSeparator(ModuleHandle, char c) {
  soft::State().thousandSeparator = c ? std::optional<char>(c) : std::nullopt;
}

}  // namespace pg::platform
