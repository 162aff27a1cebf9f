#include "platform/win32/files/stale_temporaries.h"

#include <windows.h>

#include <vector>

#include "platform/files/temporary_names.h"
#include "platform/win32/text/wide_text.h"

namespace pg::platform::win32 {

namespace {

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

bool IsStale(const WIN32_FIND_DATAW& f, std::uint64_t now) {
  constexpr std::uint64_t kTicksPerSecond = 10'000'000;
  const std::uint64_t age = std::chrono::seconds(kStaleTemporaryAge).count() * kTicksPerSecond;
  const std::uint64_t written = Ticks(f.ftLastWriteTime);
  return written <= now && now - written >= age;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& folder) {
  FILETIME nowTime{};
  ::GetSystemTimeAsFileTime(&nowTime);
  const std::uint64_t now = Ticks(nowTime);
  std::vector<std::string> stale;
  for (const char* pattern : {"\\.pg.*", "\\pg*.tmp"}) {
    WIN32_FIND_DATAW f{};
    HANDLE find = ::FindFirstFileW(Wide(folder + pattern).c_str(), &f);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      constexpr DWORD kNotOurs = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY;
      if ((f.dwFileAttributes & kNotOurs) || !IsStale(f, now)) continue;
      // Our temporaries' names are ASCII: a name 1251 cannot spell is not one.
      const std::string name = Narrow(f.cFileName);
      if (Wide(name) != f.cFileName) continue;
      if (IsTemporaryName(name) || IsOldWindowsTemporaryName(name)) stale.push_back(name);
    } while (::FindNextFileW(find, &f));
    ::FindClose(find);
  }
  for (const auto& name : stale) ::DeleteFileW(Wide(folder + "\\" + name).c_str());
}

}  // namespace pg::platform::win32
