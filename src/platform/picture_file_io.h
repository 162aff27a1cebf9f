#pragma once
// Reading picture files whole, and writing them so that a failed write never
// costs the file that was there before.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pg::platform {

// The whole content of a regular file of at most maxBytes; false when it does not
// exist, cannot be read, or is larger. Paths are bytes in the system code page.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);

// Writes the bytes to a new temporary file in the same folder and, only once all
// of them are written, moves it over path (created or replaced). On any failure
// the temporary file is removed, path is left exactly as it was, and the result
// is false.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace pg::platform
