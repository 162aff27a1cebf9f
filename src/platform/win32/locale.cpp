#include "platform/locale.h"

#include <windows.h>

namespace pg::platform {

char DecimalSeparator() {
  char buf[8] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf) > 1) return buf[0];
  return '.';
}

}  // namespace pg::platform
