#pragma once
// A script's bytes as authors' editors save them, turned into lines of code page
// 1251: UTF-8 with or without a byte order mark, or code page 1251 itself (what
// a Russian editor writes when told to save as "ANSI").
#include <string>
#include <string_view>
#include <vector>

namespace pg::host {

struct ScriptText {
  std::vector<std::string> lines;  // code page 1251, line ends kept out
  // The same lines in UTF-8, with what 1251 cannot hold still in them (the
  // scripted user's key presses may type such characters).
  std::vector<std::string> utf8Lines;
  // 0 when the script was UTF-8; else it was read as code page 1251 and this
  // is the first line (from 1) that is not UTF-8.
  int firstNonUtf8Line = 0;
};

// Throws ScriptError for a script in UTF-16, and for one that starts with a
// UTF-8 byte order mark but has a line that is not UTF-8 (its editor meant UTF-8:
// reading it as 1251 would garble the lines that are).
ScriptText DecodeScript(std::string_view bytes);

}  // namespace pg::host
