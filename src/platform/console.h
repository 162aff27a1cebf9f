#pragma once

namespace pg::platform {

// Standard input, output and error pass bytes unchanged (no newline translation,
// no end of file at a stray Ctrl+Z byte).
void UseBinaryStdio();

}  // namespace pg::platform
