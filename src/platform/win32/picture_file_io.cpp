#include "platform/picture_file_io.h"

#include <windows.h>

#include <string>

namespace pg::platform {

namespace {

struct Handle {
  HANDLE h = INVALID_HANDLE_VALUE;
  ~Handle() { Close(); }
  bool Close() {
    if (h == INVALID_HANDLE_VALUE) return true;
    const bool ok = ::CloseHandle(h) != 0;
    h = INVALID_HANDLE_VALUE;
    return ok;
  }
};

// The folder part of path, "." for a bare file name.
std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool WriteAll(HANDLE h, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    if (!::WriteFile(h, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr) || n == 0)
      return false;
    done += n;
  }
  return ::FlushFileBuffers(h) != 0;
}

// The file a write to path would reach: a symbolic link or junction followed.
std::string FinalPath(const std::string& path, DWORD attributes) {
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return path;
  Handle f{::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
  if (f.h == INVALID_HANDLE_VALUE) return {};
  char buffer[MAX_PATH + 8];
  const DWORD n = ::GetFinalPathNameByHandleA(f.h, buffer, sizeof buffer, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n == 0 || n >= sizeof buffer) return {};
  std::string final(buffer, n);
  if (final.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + final.substr(8);
  if (final.rfind("\\\\?\\", 0) == 0) return final.substr(4);
  return final;
}

// Links of the file beyond this name (hard links), 0 when it cannot be opened.
DWORD OtherNames(const std::string& path) {
  Handle f{::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr)};
  BY_HANDLE_FILE_INFORMATION info{};
  if (f.h == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(f.h, &info)) return 0;
  return info.nNumberOfLinks > 1 ? info.nNumberOfLinks - 1 : 0;
}

// Overwrites a file that has other names in place, so that every name sees the
// new content; only once the full content is on disk beside it.
bool OverwriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
  Handle f{::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (f.h == INVALID_HANDLE_VALUE) return false;
  const bool ok = WriteAll(f.h, bytes) && ::SetEndOfFile(f.h);
  return f.Close() && ok;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
  // Pipes and devices are refused before opening: a read from them may wait forever.
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
    return false;
  Handle f{::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)};
  LARGE_INTEGER size{};
  if (f.h == INVALID_HANDLE_VALUE || ::GetFileType(f.h) != FILE_TYPE_DISK || !::GetFileSizeEx(f.h, &size) ||
      size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > maxBytes)
    return false;
  std::vector<std::uint8_t> content(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < content.size()) {
    DWORD n = 0;
    if (!::ReadFile(f.h, content.data() + done, static_cast<DWORD>(content.size() - done), &n, nullptr) || n == 0)
      return false;
    done += n;
  }
  bytes = std::move(content);
  return true;
}

bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty()) return false;
  const std::string target = FinalPath(path, ::GetFileAttributesA(path.c_str()));
  if (target.empty()) return false;
  const DWORD attributes = ::GetFileAttributesA(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
    return false;
  char temp[MAX_PATH];
  // Creates a new, uniquely named empty file in the target's folder.
  if (::GetTempFileNameA(FolderOf(target).c_str(), "pg", 0, temp) == 0) return false;
  bool ok = false;
  {
    Handle f{::CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.h != INVALID_HANDLE_VALUE) ok = WriteAll(f.h, bytes) && f.Close();
  }
  if (ok && exists && OtherNames(target) > 0) {
    // Moving over it would split the hard link; the content is known to fit beside it.
    ok = OverwriteInPlace(target, bytes);
    ::DeleteFileA(temp);
    return ok;
  }
  if (ok && ::MoveFileExA(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    // The replaced file's own attributes (hidden, archive...) stay.
    if (exists) ::SetFileAttributesA(target.c_str(), attributes);
    return true;
  }
  ::DeleteFileA(temp);
  return false;
}

}  // namespace pg::platform
