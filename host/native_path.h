#pragma once
// A file name a script gives (code page 1251) as the file system names it:
// UTF-8 on Linux, UTF-16 on Windows. Through UTF-16 the name is the same on a
// Windows whose code page is not 1251, as the module's own files are.
#include <filesystem>
#include <string>

#include "framework/text/codepage.h"

namespace pg::host {

inline std::filesystem::path NativePath(const std::string& cp1251) {
  const std::string utf8 = text::Cp1251ToUtf8(cp1251);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace pg::host
