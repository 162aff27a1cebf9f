#pragma once
// Writing reference-host script lines from texts.
#include <string>
#include <vector>

namespace pg::host {

// Every `what` in text replaced by `with`.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);
// A script word in double quotes, a quote inside written twice.
std::string QuoteWord(const std::string& text);
// A file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// The words quoted and joined by blanks.
std::string QuoteWords(const std::vector<std::string>& words);

}  // namespace pg::host
