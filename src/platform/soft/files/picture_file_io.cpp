#include "platform/picture_file_io.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "platform/soft/files/file_paths.h"
#include "platform/soft/files/stale_temporaries.h"
#include "platform/soft/files/temporary_file.h"

namespace pg::platform {

namespace {

struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// The file a write to path would reach: symbolic links followed, also one whose
// target does not exist yet. Empty for a loop of links.
std::string ResolveLinks(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return {};
    target.resize(static_cast<std::size_t>(n));
    const auto slash = path.find_last_of('/');
    path = target[0] == '/' || slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
  }
  return {};
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A file nobody may write is refused even where the user could override its
// mode (root), as Windows refuses a read-only file to everyone.
bool MayWrite(const std::string& path, const struct stat& st) {
  return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// A file larger than the process may write is refused before any byte goes
// out: past the limit the system would send SIGXFSZ, which ends the host.
bool WithinFileSizeLimit(std::size_t size) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return true;
  return size <= limit.rlim_cur;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
  // Not blocking: opening a FIFO or a device must not wait for a writer.
  Fd f{::open(soft::FileSystemPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
  struct stat st {};
  if (f.fd < 0 || ::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<unsigned long long>(st.st_size) > maxBytes)
    return false;
  std::vector<std::uint8_t> content(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::read(f.fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  bytes = std::move(content);
  return true;
}

bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty()) return false;
  const std::string target = ResolveLinks(soft::FileSystemPath(path));
  if (target.empty()) return false;
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && (!S_ISREG(old.st_mode) || !MayWrite(target, old))) return false;
  if (!WithinFileSizeLimit(bytes.size())) return false;
  Fd folder{::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (folder.fd < 0) return false;
  soft::RemoveStaleTemporaries(folder.fd);

  soft::TemporaryFile temp(folder.fd, 0600);
  if (!temp.Opened()) return false;
  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
    // Root rewriting another user's file keeps its owner; a file that changes owner loses its set-id bits.
    if (::fchown(temp.Fd(), old.st_uid, old.st_gid) != 0) mode &= 0777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  // Whole and on disk before it takes the name: a crash or a full disk leaves
  // the old file. A name with other hard links gets the new file; the other
  // names keep the old one.
  return ::fchmod(temp.Fd(), mode) == 0 && temp.WriteAllAndSync(bytes) &&
         temp.Publish(target.substr(target.find_last_of('/') + 1));
}

}  // namespace pg::platform
