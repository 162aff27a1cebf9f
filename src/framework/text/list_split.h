#pragma once
// Splitting parameter texts into items.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pg::text {

// The general list rule: characters of codes 1-32 before an item are skipped;
// an item starting with '"' runs to its closing quote ("" inside stands for ")
// and loses its quotes; any other item ends at a character of code 32 or less or
// at the delimiter (so a blank inside an unquoted item starts the next item).
// Two delimiters in a row give an empty item, and a delimiter that is the very
// last character adds one empty item. The text ends at its first zero byte.
std::vector<std::string> SplitList(std::string_view text, char delimiter);

// Fields separated by the delimiter alone: each field is trimmed of characters
// of codes 1-32 at both ends and keeps the blanks inside ("Times New Roman").
// A field starting with '"' is quoted as in SplitList and may then contain the
// delimiter; text after its closing quote is kept. A text of blanks only has no
// fields; otherwise n delimiters give n + 1 fields. The text ends at its first
// zero byte.
std::vector<std::string> SplitFields(std::string_view text, char delimiter);

// The item at index; throws pg::ListIndexError beyond the last item.
const std::string& ListItem(const std::vector<std::string>& items, std::size_t index);

}  // namespace pg::text
