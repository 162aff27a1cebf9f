#include "picture_paths.h"

#include <fstream>

#include "framework/text/codepage.h"
#include "native_path.h"

namespace pg::host {

namespace {

// The script's folder comes from the command line: the system code page on
// Windows (taken as 1251, the module's users' own), UTF-8 on Linux.
#ifdef _WIN32
constexpr char kSeparator = '\\';
std::string SystemName(const std::string& cp1251) { return cp1251; }
std::string Cp1251Name(const std::string& system) { return system; }
#else
constexpr char kSeparator = '/';
std::string SystemName(const std::string& cp1251) { return text::Cp1251ToUtf8(cp1251); }
std::string Cp1251Name(const std::string& system) { return text::Utf8ToCp1251(system); }
#endif

bool Opens(const std::string& cp1251Path) { return std::ifstream(NativePath(cp1251Path), std::ios::binary).good(); }

}  // namespace

bool IsAbsolutePath(const std::string& path) {
  if (path.starts_with('/')) return true;
#ifdef _WIN32
  if (path.starts_with('\\')) return true;
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (drive) return true;
#endif
  return false;
}

std::string ResolvePicturePath(const std::string& cp1251Path, const std::string& scriptFolder) {
  if (scriptFolder.empty() || cp1251Path.empty() || IsAbsolutePath(cp1251Path) || Opens(cp1251Path))
    return cp1251Path;
  const std::string folder = Cp1251Name(scriptFolder);
  // A folder whose name code page 1251 cannot spell is left alone.
  if (SystemName(folder) != scriptFolder) return cp1251Path;
  const std::string beside = folder + kSeparator + cp1251Path;
  return Opens(beside) ? beside : cp1251Path;
}

}  // namespace pg::host
