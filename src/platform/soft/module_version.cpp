// A loaded module's version note, read from its mapped note segments.
#include <dlfcn.h>
#include <link.h>

#include <cstring>

#include "platform/module_loader.h"

namespace pg::platform {
namespace {

constexpr char kOwner[] = "Pirogram";
constexpr ElfW(Word) kVersionType = 1;

struct Search {
  ElfW(Addr) base;
  std::string version;
};

constexpr std::size_t Align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

void ReadNotes(const char* p, std::size_t size, std::string& out) {
  std::size_t at = 0;
  while (at + sizeof(ElfW(Nhdr)) <= size) {
    ElfW(Nhdr) h;
    std::memcpy(&h, p + at, sizeof h);
    const std::size_t name = at + sizeof h, desc = name + Align4(h.n_namesz);
    if (desc > size || Align4(h.n_descsz) > size - desc) return;
    if (h.n_type == kVersionType && h.n_namesz == sizeof kOwner && std::memcmp(p + name, kOwner, sizeof kOwner) == 0) {
      out.assign(p + desc, ::strnlen(p + desc, h.n_descsz));
      return;
    }
    at = desc + Align4(h.n_descsz);
  }
}

int VisitObject(dl_phdr_info* info, std::size_t, void* data) {
  auto* search = static_cast<Search*>(data);
  if (info->dlpi_addr != search->base) return 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const auto& ph = info->dlpi_phdr[i];
    if (ph.p_type == PT_NOTE)
      ReadNotes(reinterpret_cast<const char*>(info->dlpi_addr + ph.p_vaddr), ph.p_memsz, search->version);
    if (!search->version.empty()) break;
  }
  return 1;
}

}  // namespace

std::string ModuleVersion(ModuleHandle module) {
  link_map* map = nullptr;
  if (!module || ::dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map) return {};
  Search search{map->l_addr, {}};
  ::dl_iterate_phdr(&VisitObject, &search);
  return search.version;
}

}  // namespace pg::platform
