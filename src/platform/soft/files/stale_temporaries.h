#pragma once
// Strays of saves that died: temporary files of ours a crash left in a folder.

namespace pg::platform::soft {

// Removes from the open folder the regular files of this user that carry a
// temporary name of ours and were not touched for kStaleTemporaryAge; nothing
// else, and never a folder or a link.
void RemoveStaleTemporaries(int folderFd);

}  // namespace pg::platform::soft
