#include "engine/core/chart_pen.h"

#include "framework/arith.h"

namespace pg::engine {

int TChartFontObject::HeightPixels(int pixelsPerInch) const { return -MulDiv(spec_.size, pixelsPerInch, 72); }

platform::Font ToPlatformFont(const TFontSpec& spec, int pixelsPerInch) {
  platform::Font f;
  f.face = spec.name;
  f.height = -MulDiv(spec.size, pixelsPerInch, 72);
  f.weight = (spec.styles & fsBold) ? 700 : 400;
  f.italic = (spec.styles & fsItalic) != 0;
  f.underline = (spec.styles & fsUnderline) != 0;
  f.strikeOut = (spec.styles & fsStrikeOut) != 0;
  f.charset = spec.charset;
  return f;
}

}  // namespace pg::engine
