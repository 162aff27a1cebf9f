#pragma once
// The module's single-byte text as UTF-16, for systems whose own text is
// Unicode, over the code page tables of codepage_table.h.
#include <string>
#include <string_view>

#include "platform/codepage_table.h"

namespace pg::platform {

// One code point as UTF-16 code units (a surrogate pair above U+FFFF).
inline void AppendUtf16(std::u16string& out, std::uint32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

// Text in code page 1251 or 1252 as UTF-16.
inline std::u16string CodePageToUtf16(std::string_view bytes, int codePage) {
  std::u16string out;
  out.reserve(bytes.size());
  for (const char c : bytes) AppendUtf16(out, CodePointOf(static_cast<unsigned char>(c), codePage));
  return out;
}

// UTF-16 text back in code page 1251. A character the code page cannot hold
// (half of a surrogate pair never is one) is left out, never stored as a
// stand-in: callers refuse such characters where they come in, and this keeps
// anything that slipped past out of the bytes.
inline std::string Utf16ToCp1251(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (const char16_t u : units)
    if (const int b = Cp1251ByteOf(u); b >= 0) out += static_cast<char>(b);
  return out;
}

}  // namespace pg::platform
