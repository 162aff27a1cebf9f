#include "platform/picture_file_io.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files/temporary_names.h"
#include "platform/win32/files/stale_temporaries.h"
#include "platform/win32/text/wide_text.h"

namespace pg::platform {

namespace {

// Paths are the module's text, code page 1251, like every other string it
// takes: the wide calls give them the same name on every system code page.
using win32::Wide;

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
  Handle f{::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
  if (f.h == INVALID_HANDLE_VALUE) return {};
  wchar_t buffer[MAX_PATH + 8];
  const DWORD n = ::GetFinalPathNameByHandleW(f.h, buffer, MAX_PATH + 8, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n == 0 || n >= MAX_PATH + 8) return {};
  // A link to a name code page 1251 cannot spell is not followed.
  const std::wstring wideFinal(buffer, n);
  std::string final = win32::Narrow(wideFinal);
  if (Wide(final) != wideFinal) return {};
  if (final.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + final.substr(8);
  if (final.rfind("\\\\?\\", 0) == 0) return final.substr(4);
  return final;
}

// Marks the open file to vanish when its last handle closes, or takes the mark
// back. A save that dies while writing (killed, or the machine stops) leaves no
// temporary file then; false where the file system cannot.
bool MarkDeleteOnClose(HANDLE h, bool on) {
  FILE_DISPOSITION_INFO info{};
  info.DeleteFile = on ? TRUE : FALSE;
  return ::SetFileInformationByHandle(h, FileDispositionInfo, &info, sizeof info) != 0;
}

// Gives the open file the full path `target`, replacing what had it.
bool RenameOpenFile(HANDLE h, const std::string& target) {
  const std::wstring wide = Wide(target);
  if (wide.empty()) return false;
  std::wstring full(MAX_PATH, L'\0');
  DWORD length = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length + 1);
    length = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (length == 0 || length >= full.size()) return false;
  full.resize(length);
  // The system's own form of the path: the call takes no other.
  const std::wstring system = full.rfind(L"\\\\", 0) == 0 ? L"\\??\\UNC\\" + full.substr(2) : L"\\??\\" + full;
  std::vector<std::uint8_t> buffer(sizeof(FILE_RENAME_INFO) + system.size() * sizeof(WCHAR));
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  info->ReplaceIfExists = TRUE;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(system.size() * sizeof(WCHAR));
  std::copy(system.begin(), system.end(), info->FileName);
  return ::SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != 0;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
  // Pipes and devices are refused before opening: a read from them may wait forever.
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
    return false;
  Handle f{::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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
  const std::string target = FinalPath(path, ::GetFileAttributesW(Wide(path).c_str()));
  if (target.empty()) return false;
  const DWORD attributes = ::GetFileAttributesW(Wide(target).c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
    return false;
  const std::string folder = FolderOf(target);
  win32::RemoveStaleTemporaries(folder);

  std::string temp;
  Handle f;
  for (int attempt = 0; attempt < 100 && f.h == INVALID_HANDLE_VALUE; ++attempt) {
    temp = folder + "\\" + NewTemporaryName();
    f.h = ::CreateFileW(Wide(temp).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f.h == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (f.h == INVALID_HANDLE_VALUE) return false;
  const bool marked = MarkDeleteOnClose(f.h, true);
  // Whole and on disk before it takes the name: a crash or a full disk leaves
  // the old file. A name with other hard links gets the new file; the other
  // names keep the old one.
  bool ok = WriteAll(f.h, bytes) && (!marked || MarkDeleteOnClose(f.h, false));
  const bool renamed = ok && marked && RenameOpenFile(f.h, target);
  ok = f.Close() && ok;
  if (ok && !renamed)
    ok = ::MoveFileExW(Wide(temp).c_str(), Wide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) {
    // A file still marked went when it closed.
    ::DeleteFileW(Wide(temp).c_str());
    return false;
  }
  // The replaced file's own attributes (hidden, archive...) stay.
  if (ok && exists) ::SetFileAttributesW(Wide(target).c_str(), attributes);
  return ok;
}

}  // namespace pg::platform
