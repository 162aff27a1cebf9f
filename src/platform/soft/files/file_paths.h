#pragma once
// File names cross to the file system here: the module's texts are code page
// 1251, Linux names are UTF-8.
#include <string>

#include "platform/codepage_table.h"

namespace pg::platform::soft {

inline std::string FileSystemPath(const std::string& cp1251Path) { return CodePageToUtf8(cp1251Path, 1251); }

}  // namespace pg::platform::soft
