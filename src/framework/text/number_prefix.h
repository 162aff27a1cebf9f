#pragma once
#include <cstddef>
#include <string_view>

namespace pg::text {

// Skips leading blanks and an optional sign at s[i...]; true when the sign is '-'.
inline bool SkipBlanksAndSign(std::string_view s, std::size_t& i) {
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) return s[i++] == '-';
  return false;
}

}  // namespace pg::text
