#pragma once
// One line of an action script: blank-separated words and quoted texts ("" in
// quotes stands for one quote); '#' outside quotes starts a comment.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pg::host {

struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throws ScriptError for an unterminated quote.
std::vector<std::string> SplitScriptLine(std::string_view line);

// Checks a command's word count; the usage text goes into the error.
void NeedWords(const std::vector<std::string>& words, std::size_t n, const char* usage);
// A command's integer word; `what` names it in the error.
int ReadInt(const std::string& word, const char* what);

}  // namespace pg::host
