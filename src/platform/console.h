#pragma once

namespace pg::platform {

// Standard output and error pass bytes unchanged (no newline translation).
void UseBinaryStdio();

}  // namespace pg::platform
