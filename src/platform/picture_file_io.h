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

// Writes the bytes to a new file in the folder of the file that path names,
// symbolic links followed, and only once all of them are on disk gives it that
// name in one step (created or replaced, keeping the old file's mode). A name
// with other hard links gets the new file; the other names keep the old one.
// A crash, a full disk or a file-size limit leaves the old file whole and no
// temporary file (where the system has nameless files; elsewhere a stray,
// which a later save into the folder removes once it is stale). A target that
// is no regular file, or that is read-only or not the user's to write, is
// refused. On any failure the result is false.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
