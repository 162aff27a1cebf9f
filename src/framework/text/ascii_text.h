#pragma once
#include <string_view>

namespace pg::text {

// Same length and bytes, with ASCII letters a-z and A-Z equal to each other;
// every other byte (Cyrillic letters included) must be identical.
constexpr bool SameTextAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace pg::text
