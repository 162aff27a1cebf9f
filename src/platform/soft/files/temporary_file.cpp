#include "platform/soft/files/temporary_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/temporary_names.h"

namespace pg::platform::soft {

TemporaryFile::TemporaryFile(int folderFd, mode_t mode) : folderFd_(folderFd) {
  fd_ = ::openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (fd_ >= 0) return;
  // No nameless files on this file system: a name of ours that nothing else has.
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    name_ = NewTemporaryName();
    fd_ = ::openat(folderFd, name_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) name_.clear();
}

TemporaryFile::~TemporaryFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!name_.empty()) ::unlinkat(folderFd_, name_.c_str(), 0);
}

bool TemporaryFile::WriteAllAndSync(std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return ::fsync(fd_) == 0;
}

// A nameless file gets a temporary name first: rename needs a name to move.
bool TemporaryFile::LinkUnderTemporaryName() {
  const std::string self = "/proc/self/fd/" + std::to_string(fd_);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = NewTemporaryName();
    // Linking a descriptor itself needs a privilege; its /proc entry does not.
    if (::linkat(fd_, "", folderFd_, name.c_str(), AT_EMPTY_PATH) == 0 ||
        ::linkat(AT_FDCWD, self.c_str(), folderFd_, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      name_ = name;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool TemporaryFile::Publish(const std::string& name) {
  if (fd_ < 0 || (name_.empty() && !LinkUnderTemporaryName())) return false;
  if (::renameat(folderFd_, name_.c_str(), folderFd_, name.c_str()) != 0) return false;
  name_.clear();
  // The new name itself reaches the disk.
  return ::fsync(folderFd_) == 0;
}

}  // namespace pg::platform::soft
