#include "platform/screen_metrics.h"

namespace pg::platform {

// The screen the Windows build sees under the test display (1280 x 1024 at 96
// pixels per inch), so layouts that depend on it agree.
ScreenMetrics Screen() { return ScreenMetrics{1280, 1024, 339, 271, 32, 96}; }

int ScreenPixelsPerInch() { return Screen().pixelsPerInch; }

}  // namespace pg::platform
