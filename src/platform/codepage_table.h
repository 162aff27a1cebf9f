#pragma once
// Byte-to-Unicode tables of the single-byte code pages the module speaks. The
// platform decodes text by a font's character set and file names with them; the
// framework converts constants and host text with them.
#include <cstdint>
#include <string>
#include <string_view>

namespace pg::platform {

// Unicode code points of the bytes 0x80..0xFF in code page 1251 (0 where undefined).
inline constexpr std::uint16_t kCp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Code page 1252 differs from Latin-1 only in 0x80..0x9F.
inline constexpr std::uint16_t kCp1252Low[32] = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
};

// Unicode code point of a byte of code page 1251 or 1252 (U+FFFD where undefined).
constexpr std::uint32_t CodePointOf(unsigned char byte, int codePage) {
  if (byte < 0x80) return byte;
  if (codePage == 1252) {
    if (byte >= 0xA0) return byte;
    const std::uint32_t cp = kCp1252Low[byte - 0x80];
    return cp ? cp : 0xFFFD;
  }
  const std::uint32_t cp = kCp1251High[byte - 0x80];
  return cp ? cp : 0xFFFD;
}

// The byte of code page 1251 or 1252 that holds a code point, or -1 when the
// code page has none.
constexpr int ByteOfCodePoint(std::uint32_t cp, int codePage) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (codePage == 1252) {
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
      if (kCp1252Low[i] == cp) return 0x80 + i;
    return -1;
  }
  for (int i = 0; i < 128; ++i)
    if (kCp1251High[i] == cp) return 0x80 + i;
  return -1;
}

// The 1251 byte of a code point, or -1 when the code page has none.
constexpr int Cp1251ByteOf(std::uint32_t cp) { return ByteOfCodePoint(cp, 1251); }

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

inline void AppendUtf8(std::string& out, std::uint32_t cp) {
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

// Text in code page 1251 or 1252 as UTF-8.
inline std::string CodePageToUtf8(std::string_view bytes, int codePage) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c), codePage));
  return out;
}

}  // namespace pg::platform
