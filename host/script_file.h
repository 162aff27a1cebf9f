#pragma once
// Reading the script the host was given, with the reason when it cannot be read.
#include <string>

namespace pg::host {

// The whole file, or standard input for "-". False with `reason` set (the
// system's words: "Is a directory", "No such file or directory") for anything
// that is not a readable file; a named pipe that nothing writes to is refused
// at once instead of waiting.
bool ReadScriptFile(const std::string& path, std::string& bytes, std::string& reason);

}  // namespace pg::host
