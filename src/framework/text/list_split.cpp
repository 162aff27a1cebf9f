#include "framework/text/list_split.h"

#include <utility>

#include "framework/errors.h"

namespace pg::text {
namespace {

bool IsSkippedControl(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// A zero byte ends the text, as it ends a host string.
std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

// Reads a quoted item starting at text[pos] == '"'; leaves pos after the closing
// quote, or at the end when the quote is never closed (the rest is the item).
std::string ReadQuoted(std::string_view text, std::size_t& pos) {
  std::string item;
  ++pos;
  while (pos < text.size()) {
    const char c = text[pos];
    if (c == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        item.push_back('"');
        pos += 2;
        continue;
      }
      ++pos;
      break;
    }
    item.push_back(c);
    ++pos;
  }
  return item;
}

void SkipControls(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsSkippedControl(text[pos])) ++pos;
}

}  // namespace

std::vector<std::string> SplitList(std::string_view text, char delimiter) {
  text = UpToZero(text);
  std::vector<std::string> items;
  std::size_t pos = 0;
  SkipControls(text, pos);
  while (pos < text.size()) {
    if (text[pos] == '"') {
      items.push_back(ReadQuoted(text, pos));
    } else {
      const std::size_t begin = pos;
      while (pos < text.size() && static_cast<unsigned char>(text[pos]) > 32 && text[pos] != delimiter)
        ++pos;
      items.emplace_back(text.substr(begin, pos - begin));
    }
    SkipControls(text, pos);
    if (pos < text.size() && text[pos] == delimiter) {
      if (pos + 1 == text.size()) items.emplace_back();
      ++pos;
      SkipControls(text, pos);
    }
  }
  return items;
}

std::vector<std::string> SplitFields(std::string_view text, char delimiter) {
  text = UpToZero(text);
  std::vector<std::string> fields;
  std::size_t pos = 0;
  SkipControls(text, pos);
  if (pos == text.size()) return fields;
  while (true) {
    SkipControls(text, pos);
    std::string field;
    if (pos < text.size() && text[pos] == '"') field = ReadQuoted(text, pos);
    const std::size_t begin = pos;
    while (pos < text.size() && text[pos] != delimiter) ++pos;
    std::size_t end = pos;
    while (end > begin && IsSkippedControl(text[end - 1])) --end;
    field.append(text.substr(begin, end - begin));
    fields.push_back(std::move(field));
    if (pos == text.size()) break;
    ++pos;  // the delimiter
  }
  return fields;
}

const std::string& ListItem(const std::vector<std::string>& items, std::size_t index) {
  if (index >= items.size()) throw ListIndexError(static_cast<long long>(index));
  return items[index];
}

}  // namespace pg::text
