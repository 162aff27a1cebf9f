#pragma once
// Reading picture files whole, and writing them so that a failed write never
// costs the file that was there before.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pg::platform {

// The whole content of a regular file of at most maxBytes; false when it does not
// exist, is no regular file (a FIFO or device is refused without waiting), cannot
// be read, or is larger. Paths are bytes in code page 1251, the module's system
// code page (on Linux they reach the file system as UTF-8).
bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);

// Writes the bytes to a new temporary file (a short name) in the folder of the
// file that path names, symbolic links followed, and only once all of them are
// written moves it over that file (created or replaced, keeping its mode). A
// file with other hard links is rewritten in place instead, so that every name
// sees the content. A target that is no regular file, or that is read-only or
// not the user's to write, is refused. On any failure the temporary file is
// removed, the target is left as it was, and the result is false.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
