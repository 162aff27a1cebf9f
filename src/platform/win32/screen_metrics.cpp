#include <windows.h>

#include "platform/screen_metrics.h"

namespace pg::platform {

ScreenMetrics Screen() {
  HDC dc = ::GetDC(nullptr);
  if (!dc) return ScreenMetrics{1280, 1024, 339, 271, 32, 96};
  ScreenMetrics m{::GetDeviceCaps(dc, HORZRES),   ::GetDeviceCaps(dc, VERTRES),
                  ::GetDeviceCaps(dc, HORZSIZE),  ::GetDeviceCaps(dc, VERTSIZE),
                  ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES), ::GetDeviceCaps(dc, LOGPIXELSY)};
  ::ReleaseDC(nullptr, dc);
  return m;
}

int ScreenPixelsPerInch() { return Screen().pixelsPerInch; }

}  // namespace pg::platform
