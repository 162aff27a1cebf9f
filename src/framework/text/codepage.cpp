#include "framework/text/codepage.h"

namespace pg::text {

std::string Cp1251ToUtf8(std::string_view bytes) {
  return platform::CodePageToUtf8(bytes, 1251);
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::uint32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
    const int b = cp == 0xFFFFFFFFu ? -1 : Cp1251ByteOf(cp);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

}  // namespace pg::text
