#include "engine/core/chart_pen.h"

#include "framework/arith.h"

namespace pg::engine {

int TChartFontObject::HeightPixels(int pixelsPerInch) const { return -MulDiv(spec_.size, pixelsPerInch, 72); }

platform::Font ToPlatformFont(const TFontSpec& fontSpec, int pixelsPerInch) {
  platform::Font f;
  f.face = fontSpec.name;
  f.height = WrapSub(0, MulDiv(fontSpec.size, pixelsPerInch, 72));  // points to a character height
  f.weight = (fontSpec.styles & fsBold) ? 700 : 400;
  f.italic = (fontSpec.styles & fsItalic) != 0;
  f.underline = (fontSpec.styles & fsUnderline) != 0;
  f.strikeOut = (fontSpec.styles & fsStrikeOut) != 0;
  f.charset = fontSpec.charset;
  return f;
}

}  // namespace pg::engine
