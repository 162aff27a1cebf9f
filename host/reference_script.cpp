#include "reference_script.h"

namespace pg::host {

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

std::string QuoteWord(const std::string& text) { return "\"" + ReplaceAll(text, "\"", "\"\"") + "\""; }

std::string QuoteWords(const std::vector<std::string>& words) {
  std::string line;
  for (const auto& w : words) line += (line.empty() ? "" : " ") + QuoteWord(w);
  return line;
}

}  // namespace pg::host
