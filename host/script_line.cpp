#include "script_line.h"

#include "framework/text/int_parse.h"

namespace pg::host {

std::vector<std::string> SplitScriptLine(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (true) {
    while (i < line.size() && blank(line[i])) ++i;
    if (i >= line.size() || line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      ++i;
      while (true) {
        if (i >= line.size()) throw ScriptError("unterminated quoted text");
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            word += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        word += line[i++];
      }
      if (i < line.size() && !blank(line[i])) throw ScriptError("text after a closing quote");
    } else {
      while (i < line.size() && !blank(line[i])) word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

void NeedWords(const std::vector<std::string>& w, std::size_t n, const char* usage) {
  if (w.size() != n) throw ScriptError(std::string("usage: ") + usage);
}

int ReadInt(const std::string& word, const char* what) {
  std::int32_t v = 0;
  if (!text::TryStrToInt(word, v)) throw ScriptError(std::string(what) + " is not a number: " + word);
  return v;
}

}  // namespace pg::host
