#include "reference_script.h"

#include <fstream>
#include <sstream>

namespace pg::host {

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

std::string QuoteWord(const std::string& text) { return "\"" + ReplaceAll(text, "\"", "\"\"") + "\""; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string QuoteWords(const std::vector<std::string>& words) {
  std::string line;
  for (const auto& w : words) line += (line.empty() ? "" : " ") + QuoteWord(w);
  return line;
}

}  // namespace pg::host
