#pragma once
// The module's code page 1251 text where it meets Windows' Unicode windows:
// converted to UTF-16 going in and back coming out, so what a person sees and
// types does not depend on the system's code page.
#include <string>
#include <string_view>

#include "platform/codepage_utf16.h"

namespace pg::platform::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

inline std::wstring Wide(std::string_view cp1251) {
  const std::u16string units = CodePageToUtf16(cp1251, 1251);
  return std::wstring(units.begin(), units.end());
}

inline std::string Narrow(std::wstring_view units) {
  return Utf16ToCp1251(std::u16string(units.begin(), units.end()));
}

// Whether a typed UTF-16 code unit is a character code page 1251 holds (half
// of a surrogate pair never is).
inline bool Cp1251Holds(wchar_t unit) { return Cp1251ByteOf(static_cast<std::uint32_t>(unit)) >= 0; }

}  // namespace pg::platform::win32
