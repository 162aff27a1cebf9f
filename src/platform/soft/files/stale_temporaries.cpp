#include "platform/soft/files/stale_temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <vector>

#include "platform/files/temporary_names.h"

namespace pg::platform::soft {

void RemoveStaleTemporaries(int folderFd) {
  // A listing of its own: readdir moves the descriptor it reads from.
  const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listFd < 0) return;
  DIR* dir = ::fdopendir(listFd);
  if (!dir) {
    ::close(listFd);
    return;
  }
  std::vector<std::string> stale;
  const std::time_t now = std::time(nullptr);
  const auto age = std::chrono::seconds(kStaleTemporaryAge).count();
  while (const dirent* e = ::readdir(dir)) {
    if (!IsTemporaryName(e->d_name)) continue;
    struct stat st {};
    if (::fstatat(folderFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() || now - st.st_mtime < age)
      continue;
    stale.emplace_back(e->d_name);
  }
  ::closedir(dir);
  for (const auto& name : stale) ::unlinkat(folderFd, name.c_str(), 0);
}

}  // namespace pg::platform::soft
