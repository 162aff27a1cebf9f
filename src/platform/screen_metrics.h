#pragma once
// What the display reports: font sizes in points become pixels through the pixels
// per inch; the pie corrects its aspect with the pixel and millimetre sizes.

namespace pg::platform {

struct ScreenMetrics {
  int widthPixels = 0;
  int heightPixels = 0;
  int widthMm = 0;
  int heightMm = 0;
  int bitsPerPixel = 0;
  int pixelsPerInch = 0;
};

ScreenMetrics Screen();
int ScreenPixelsPerInch();

}  // namespace pg::platform
