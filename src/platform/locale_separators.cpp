#include "platform/codepage_table.h"
#include "platform/locale.h"

namespace pg::platform {

char DistinctGroupSeparator(char decimal, char group) {
  if (group != decimal) return group;
  return decimal == ',' ? '\xA0' : ',';
}

char SeparatorFromLocaleText(std::string_view utf8, char fallback) {
  std::size_t i = 0;
  if (utf8.empty()) return fallback;
  const std::uint32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
  if (i != utf8.size() || cp == 0) return fallback;
  if (cp == 0x202F || cp == 0x2007 || cp == 0x2009) return '\xA0';
  const int byte = Cp1251ByteOf(cp);
  return byte < 0 ? fallback : static_cast<char>(byte);
}

}  // namespace pg::platform
