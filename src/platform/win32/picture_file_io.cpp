#include "platform/picture_file_io.h"

#include <windows.h>

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

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
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
  char temp[MAX_PATH];
  // Creates a new, uniquely named empty file in the target's folder.
  if (::GetTempFileNameA(FolderOf(path).c_str(), "pg", 0, temp) == 0) return false;
  bool ok = false;
  {
    Handle f{::CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.h != INVALID_HANDLE_VALUE) {
      ok = true;
      std::size_t done = 0;
      while (ok && done < bytes.size()) {
        DWORD n = 0;
        ok = ::WriteFile(f.h, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr) && n > 0;
        done += n;
      }
      ok = ok && ::FlushFileBuffers(f.h);
      ok = f.Close() && ok;
    }
  }
  if (ok && ::MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  ::DeleteFileA(temp);
  return false;
}

}  // namespace pg::platform
