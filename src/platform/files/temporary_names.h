#pragma once
// Folder rule — platform/files: file-saving rules both builds share (the names of
// temporaries); standard library and the platform interface only.
// The names of the temporary files a save writes beside its target: one
// pattern on both builds, so that a later save can tell the strays of a crashed
// save from everything else in the folder.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace pg::platform {

// ".pg." and six letters or digits (the form mkstemp makes of ".pg.XXXXXX").
std::string TemporaryName(std::uint64_t random);
// A name of that form, drawn at random.
std::string NewTemporaryName();
bool IsTemporaryName(std::string_view name);
// What earlier builds of the Windows module named their temporary files: "pg",
// one to four hexadecimal digits and ".tmp" (the system's temporary names).
bool IsOldWindowsTemporaryName(std::string_view name);

// A temporary file untouched this long belongs to a save that died: a live
// save writes its file within seconds.
constexpr std::chrono::minutes kStaleTemporaryAge{10};

}  // namespace pg::platform
