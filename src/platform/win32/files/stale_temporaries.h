#pragma once
// Folder rule — win32/files: the Windows build's temporaries, atomic saves and reads; may
// include win32/, windows.h, the shared files/ folder and the platform interface.
// Strays of saves that died: temporary files of ours a crash left in a folder.
#include <string>

namespace pg::platform::win32 {

// Removes from the folder the files that carry a temporary name of ours (or the
// one earlier builds used) and were not written for kStaleTemporaryAge;
// nothing else, and never a folder, a link or a read-only file.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace pg::platform::win32
