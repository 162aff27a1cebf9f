#pragma once
// The module speaks Windows code page 1251. Sources are UTF-8: constant texts are
// converted at compile time with the _cp literal, so the bytes in the binary are
// the ones the host receives.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/codepage_table.h"

namespace pg::text {

using pg::platform::CodePointOf;
using pg::platform::kCp1251High;

// The 1251 byte of a code point, or -1 when the code page has none.
constexpr int Cp1251ByteOf(std::uint32_t cp) { return pg::platform::ByteOfCodePoint(cp, 1251); }

// Decodes one UTF-8 sequence at s[i]; advances i. Returns 0xFFFFFFFF when malformed.
constexpr std::uint32_t DecodeUtf8(const char* s, std::size_t n, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = b0 < 0x80 ? 0 : (b0 & 0xE0) == 0xC0 ? 1 : (b0 & 0xF0) == 0xE0 ? 2 : (b0 & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0 || i + extra >= n) {
    ++i;
    return 0xFFFFFFFFu;
  }
  std::uint32_t cp = extra == 0 ? b0 : (b0 & (0x3F >> extra));
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      i += k;
      return 0xFFFFFFFFu;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return cp;
}

template <std::size_t N>
struct Utf8Literal {
  char bytes[N]{};
  std::size_t size = 0;
  consteval Utf8Literal(const char (&s)[N]) {  // NOLINT: implicit by design
    std::size_t i = 0;
    while (i < N - 1) {
      const std::uint32_t cp = DecodeUtf8(s, N - 1, i);
      const int b = cp == 0xFFFFFFFFu ? -1 : Cp1251ByteOf(cp);
      if (b < 0) throw "text has a character outside code page 1251";
      bytes[size++] = static_cast<char>(b);
    }
  }
};

template <Utf8Literal L>
struct Cp1251Constant {
  static constexpr Utf8Literal value = L;
};

// "Привет"_cp is the text's bytes in code page 1251.
template <Utf8Literal L>
constexpr std::string_view operator""_cp() {
  return {Cp1251Constant<L>::value.bytes, Cp1251Constant<L>::value.size};
}

// Run-time conversions, for the host and for drawing text. Characters that the
// target cannot hold become '?'.
std::string Cp1251ToUtf8(std::string_view bytes);
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace pg::text

using pg::text::operator""_cp;
