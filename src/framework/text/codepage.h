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
using pg::platform::Cp1251ByteOf;
using pg::platform::DecodeUtf8;
using pg::platform::kCp1251High;

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
