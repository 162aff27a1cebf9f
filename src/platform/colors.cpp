#include "platform/graphics.h"

namespace pg::platform {

Color ColorToRgb(Color c) { return IsSysColor(c) ? SysColor(static_cast<int>(c & 0xFF)) : c & 0x00FFFFFFu; }

}  // namespace pg::platform
