#pragma once
// Folder rule — soft/files: the portable build's file names, temporaries, atomic saves and
// reads; may include soft/, the shared files/ folder and the platform interface.
// The new content of a file, written beside it before it takes the file's name.
#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>

namespace pg::platform::soft {

class TemporaryFile {
 public:
  // A file in the open folder: nameless where the file system allows, so that
  // a crash before Publish leaves nothing; else under a temporary name of ours
  // (which a later save removes once it is stale).
  TemporaryFile(int folderFd, mode_t mode);
  // Removes what was not published.
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool Opened() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  // Every byte, then the data and the file's size on disk.
  bool WriteAllAndSync(std::span<const std::uint8_t> bytes);
  // Gives the file the name `name` in the folder, replacing what had it, in one
  // step; false leaves the name as it was.
  bool Publish(const std::string& name);

 private:
  bool LinkUnderTemporaryName();

  int folderFd_;
  int fd_ = -1;
  std::string name_;  // the temporary name it has, if any
};

}  // namespace pg::platform::soft
