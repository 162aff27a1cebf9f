#include "script_text.h"

#include "framework/text/codepage.h"
#include "script_line.h"

namespace pg::host {

namespace {

bool IsUtf8(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size())
    if (text::DecodeUtf8(line.data(), line.size(), i) == 0xFFFFFFFFu) return false;
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const auto end = bytes.find('\n');
    lines.push_back(bytes.substr(0, end));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

ScriptText DecodeScript(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    throw ScriptError("the script is UTF-16 text: save it as UTF-8 (or code page 1251)");
  const bool bom = bytes.starts_with("\xEF\xBB\xBF");
  if (bom) bytes.remove_prefix(3);
  const auto raw = SplitLines(bytes);
  ScriptText script;
  for (std::size_t n = 0; n < raw.size() && script.firstNonUtf8Line == 0; ++n)
    if (!IsUtf8(raw[n])) script.firstNonUtf8Line = static_cast<int>(n + 1);
  if (bom && script.firstNonUtf8Line != 0)
    throw ScriptError("line " + std::to_string(script.firstNonUtf8Line) +
                      ": not UTF-8, though the script starts with UTF-8's byte order mark");
  script.lines.reserve(raw.size());
  script.utf8Lines.reserve(raw.size());
  for (const auto line : raw) {
    script.lines.push_back(script.firstNonUtf8Line ? std::string(line) : text::Utf8ToCp1251(line));
    script.utf8Lines.push_back(script.firstNonUtf8Line ? text::Cp1251ToUtf8(line) : std::string(line));
  }
  return script;
}

}  // namespace pg::host
