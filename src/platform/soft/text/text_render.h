#pragma once
// Folder rule — soft/text: fonts and text of the portable build (resolution through
// fontconfig, glyphs through FreeType and cairo); may include soft/ and the platform
// interface.
// Text of code page bytes laid out on whole-pixel advances and rendered without
// smoothing.
#include <cstdint>
#include <string_view>

#include "platform/soft/text/font_resolver.h"
#include "platform/soft/raster/coverage.h"
#include "platform/soft/raster/span_sink.h"
#include "platform/soft/surface.h"

namespace pg::platform::soft {

// Glyphs stand at the advances the text measures by (each glyph's hinted
// advance, a whole number of pixels), as GDI places them at the widths its
// extents add up: a text's ink stays within its measure, give or take a pixel
// of overhang.

// The measured extent of the text: the sum of its advances.
int MeasureText(const ResolvedFont& font, std::string_view bytes);

// Glyph pixels of the text whose cell's top-left corner is (left, top), plus
// underline and strike-out bars; only the part within out's bounds is rendered.
// `width` is the text's MeasureText.
void AddTextPixels(SpanSink& out, const ResolvedFont& font, std::string_view bytes, int width, int left, int top,
                   bool underline, bool strikeOut);
// The same pixels set to `color` straight in the surface's rows within bounds:
// what painting them as a solid copy without a clip gives.
void FillTextPixels(Surface& surface, const TRect& bounds, std::uint32_t color, const ResolvedFont& font,
                    std::string_view bytes, int width, int left, int top, bool underline, bool strikeOut);

// The text with its glyph edges in grey levels (a font asking for smoothing),
// blended with `color` over the surface within bounds and the clip (none: all).
// Returns false, drawing nothing, where the face is not smoothed at this size or
// the part seen is too large to render in one piece.
bool BlendSmoothTextPixels(Surface& surface, const TRect& bounds, std::uint32_t color, const Coverage* clip,
                           const ResolvedFont& font, std::string_view bytes, int width, int left, int top,
                           bool underline, bool strikeOut);

}  // namespace pg::platform::soft
