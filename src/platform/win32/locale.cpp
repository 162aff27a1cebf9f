#include "platform/locale.h"

#include <windows.h>

namespace pg::platform {

char DecimalSeparator() {
  char buf[8] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf) > 1) return buf[0];
  return '.';
}

char ThousandSeparator() {
  char buf[8] = {};
  const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buf, sizeof buf);
  if (length == 1) return '\0';  // the user chose no separator
  return DistinctGroupSeparator(DecimalSeparator(), length > 1 ? buf[0] : ',');
}

}  // namespace pg::platform
