#include "framework/text/codepage.h"

namespace pg::text {

namespace {

// Code page 1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::uint16_t kCp1252Low[32] = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::uint32_t CodePointOf(unsigned char byte, int codePage) {
  if (byte < 0x80) return byte;
  if (codePage == 1252) {
    if (byte >= 0xA0) return byte;
    const std::uint32_t cp = kCp1252Low[byte - 0x80];
    return cp ? cp : 0xFFFD;
  }
  const std::uint32_t cp = kCp1251High[byte - 0x80];
  return cp ? cp : 0xFFFD;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c), 1251));
  return out;
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
