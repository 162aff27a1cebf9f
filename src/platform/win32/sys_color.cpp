#include <windows.h>

#include "platform/graphics.h"

namespace pg::platform {

Color SysColor(int index) {
  if (index < 0 || index > COLOR_MENUBAR) return 0;
  return static_cast<Color>(::GetSysColor(index));
}

}  // namespace pg::platform
