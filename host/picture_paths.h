#pragma once
// Pictures a script loads by a relative path are looked for in the current
// folder first (where the script's own saves land, so a script can load what it
// saved) and then in the script's folder, so that a script shipped beside its
// pictures runs from wherever it is started.
#include <string>

namespace pg::host {

// True for "/x" and, on Windows, "\x", "C:\x" and "C:x" forms too.
bool IsAbsolutePath(const std::string& path);

// The path to hand the module for a picture named `cp1251Path` in a script that
// lives in `scriptFolder` (bytes as the system names files: UTF-8 on Linux,
// the code page on Windows; "" for a script read from standard input).
std::string ResolvePicturePath(const std::string& cp1251Path, const std::string& scriptFolder);

}  // namespace pg::host
