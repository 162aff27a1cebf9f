#include "script_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pg::host {
namespace {

std::string SystemWords(int error) { return std::generic_category().message(error); }

#ifndef _WIN32
// Reads what is left of fd; false with errno set on a read error.
bool ReadAll(int fd, std::string& bytes) {
  char buf[65536];
  while (true) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n > 0) {
      bytes.append(buf, static_cast<std::size_t>(n));
    } else if (n == 0) {
      return true;
    } else if (errno != EINTR) {
      return false;
    }
  }
}

bool ReadPath(const std::string& path, std::string& bytes, std::string& reason) {
  // Without waiting: a named pipe opens at once even with no writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = SystemWords(errno);
    return false;
  }
  bool ok = false;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    reason = SystemWords(errno);
  } else if (S_ISDIR(st.st_mode)) {
    reason = SystemWords(EISDIR);
  } else if (S_ISFIFO(st.st_mode)) {
    // A pipe with a writer (a process substitution) is read to its end; one
    // that nothing has opened for writing would keep the host waiting.
    char first = 0;
    const ssize_t n = ::read(fd, &first, 1);
    if (n == 0) {
      reason = "a named pipe that nothing writes to";
    } else if (n < 0 && errno != EAGAIN) {
      reason = SystemWords(errno);
    } else {
      if (n == 1) bytes.push_back(first);
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
      ok = ReadAll(fd, bytes);
      if (!ok) reason = SystemWords(errno);
    }
  } else if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode)) {
    reason = "not a file";
  } else {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ok = ReadAll(fd, bytes);
    if (!ok) reason = SystemWords(errno);
  }
  ::close(fd);
  return ok;
}
#else
bool ReadPath(const std::string& path, std::string& bytes, std::string& reason) {
  struct _stat64 st {};
  if (::_stat64(path.c_str(), &st) != 0) {
    reason = SystemWords(errno);
    return false;
  }
  if ((st.st_mode & _S_IFMT) == _S_IFDIR) {
    reason = SystemWords(EISDIR);
    return false;
  }
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    reason = SystemWords(errno ? errno : EACCES);
    return false;
  }
  try {
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    file.setstate(std::ios::badbit);
  }
  if (file.bad()) {
    reason = SystemWords(errno ? errno : EIO);
    return false;
  }
  return true;
}
#endif

}  // namespace

bool ReadScriptFile(const std::string& path, std::string& bytes, std::string& reason) {
  bytes.clear();
  if (path != "-") return ReadPath(path, bytes, reason);
  char buf[65536];
  while (true) {
    std::cin.read(buf, sizeof buf);
    bytes.append(buf, static_cast<std::size_t>(std::cin.gcount()));
    if (!std::cin) break;
  }
  if (std::cin.bad()) {
    reason = "standard input cannot be read";
    return false;
  }
  return true;
}

}  // namespace pg::host
