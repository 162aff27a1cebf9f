#pragma once
// Text of code page bytes laid out on whole-pixel advances and rendered without
// smoothing.
#include <string_view>
#include <vector>

#include "platform/soft/font_resolver.h"
#include "platform/soft/raster/span_sink.h"

namespace pg::platform::soft {

// Glyphs stand at the advances the text measures by (unhinted, rounded to whole
// pixels), as GDI places them at the widths its extents add up: a text's ink
// stays within its measure, give or take a pixel of overhang.
struct TextLayout {
  std::vector<unsigned long> glyphs;
  std::vector<int> offsets;  // pen x of each glyph from the text's left edge
  int width = 0;             // the measured extent
};

TextLayout LayOutText(const ResolvedFont& font, std::string_view bytes);

// Glyph pixels of the text whose cell's top-left corner is (left, top), plus
// underline and strike-out bars; only the part within out's bounds is rendered.
void AddTextPixels(SpanSink& out, const ResolvedFont& font, const TextLayout& layout, int left, int top,
                   bool underline, bool strikeOut);

}  // namespace pg::platform::soft
