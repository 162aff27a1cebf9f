#include "platform/module_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <vector>

#include "platform/soft/soft_state.h"

namespace pg::platform {

std::string ProgramPath() {
  std::vector<char> buf(256);
  while (true) {
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return "";
    // A result that fills the buffer may have been cut: try a larger one.
    if (static_cast<std::size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<std::size_t>(n));
    if (buf.size() >= (1u << 20)) return "";
    buf.resize(buf.size() * 2);
  }
}

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
