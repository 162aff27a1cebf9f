#pragma once
// Text of code page bytes laid out on whole-pixel advances and rendered without
// smoothing.
#include <string_view>
#include <vector>

#include "platform/soft/font_resolver.h"
#include "platform/soft/raster/span_sink.h"

namespace pg::platform::soft {

// Glyphs are placed by their hinted advances while the text measures by the
// unhinted ones rounded, as the Windows build's GDI does; the two can differ by a
// pixel or so over a word.
struct TextLayout {
  std::vector<unsigned long> glyphs;
  std::vector<int> offsets;  // pen x of each glyph from the text's left edge
  int width = 0;             // the measured extent
  int pen = 0;               // where the drawn text ends
};

TextLayout LayOutText(const ResolvedFont& font, std::string_view bytes);

// Glyph pixels of the text whose cell's top-left corner is (left, top), plus
// underline and strike-out bars.
void AddTextPixels(SpanSink& out, const ResolvedFont& font, const TextLayout& layout, int left, int top,
                   bool underline, bool strikeOut);

}  // namespace pg::platform::soft
