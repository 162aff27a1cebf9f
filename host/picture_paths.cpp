#include "picture_paths.h"

#include <fstream>

#include "framework/text/codepage.h"

namespace pg::host {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
// Windows names files in the system code page, which is 1251 for the module.
std::string SystemName(const std::string& cp1251) { return cp1251; }
std::string Cp1251Name(const std::string& system) { return system; }
#else
constexpr char kSeparator = '/';
std::string SystemName(const std::string& cp1251) { return text::Cp1251ToUtf8(cp1251); }
std::string Cp1251Name(const std::string& system) { return text::Utf8ToCp1251(system); }
#endif

bool Opens(const std::string& cp1251Path) { return std::ifstream(SystemName(cp1251Path), std::ios::binary).good(); }

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
