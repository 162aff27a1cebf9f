#include "platform/soft/text_render.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/codepage_table.h"

namespace pg::platform::soft {

namespace {

std::string ToUtf8(std::uint32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

unsigned long GlyphOf(cairo_scaled_font_t* font, std::uint32_t cp) {
  const std::string utf8 = ToUtf8(cp);
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  unsigned long index = 0;
  if (cairo_scaled_font_text_to_glyphs(font, 0, 0, utf8.data(), static_cast<int>(utf8.size()), &glyphs, &count,
                                       nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
      count > 0)
    index = glyphs[0].index;
  cairo_glyph_free(glyphs);
  return index;
}

}  // namespace

TextLayout LayOutText(const ResolvedFont& font, std::string_view bytes) {
  TextLayout out;
  if (!font.scaled) return out;
  out.glyphs.reserve(bytes.size());
  out.offsets.reserve(bytes.size());
  for (char c : bytes) {
    auto& known = font.byteGlyphs[static_cast<unsigned char>(c)];
    if (!known.known) {
      const unsigned long glyph = GlyphOf(font.scaled, CodePointOf(static_cast<unsigned char>(c), font.codePage));
      cairo_glyph_t g{glyph, 0, 0};
      cairo_text_extents_t ext, drawn;
      cairo_scaled_font_glyph_extents(font.measuring, &g, 1, &ext);
      cairo_scaled_font_glyph_extents(font.scaled, &g, 1, &drawn);
      known.glyph = glyph;
      known.measuredAdvance = static_cast<int>(std::lround(ext.x_advance));
      known.drawnAdvance = static_cast<int>(std::lround(drawn.x_advance));
      known.known = true;
    }
    out.glyphs.push_back(known.glyph);
    out.offsets.push_back(out.pen);
    out.width += known.measuredAdvance;
    out.pen += known.drawnAdvance;
  }
  return out;
}

namespace {

// Renders one glyph on its own, the way text is drawn on the soft platform:
// without smoothing, pixels at half coverage or more are ink.
std::vector<TPoint> RenderGlyph(const ResolvedFont& font, unsigned long glyph) {
  std::vector<TPoint> pixels;
  const int pad = 2 * (font.metrics.height + 2);
  cairo_glyph_t g{glyph, 0, 0};
  cairo_text_extents_t drawn;
  cairo_scaled_font_glyph_extents(font.scaled, &g, 1, &drawn);
  const double reach = std::fabs(drawn.x_advance) + std::fabs(drawn.width) + std::fabs(drawn.x_bearing);
  if (!(reach < 16000)) return pixels;
  const int w = static_cast<int>(reach) + 2 * pad, h = font.metrics.height + 2 * pad;
  if (h > 32000) return pixels;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  if (cairo_surface_status(mask) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(mask);
    cairo_set_scaled_font(cr, font.scaled);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const int baseline = pad + font.metrics.ascent;
    g = cairo_glyph_t{glyph, static_cast<double>(pad), static_cast<double>(baseline)};
    cairo_show_glyphs(cr, &g, 1);
    cairo_destroy(cr);
    cairo_surface_flush(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (data[y * stride + x] >= 128) pixels.push_back(TPoint{x - pad, y - baseline});
  }
  cairo_surface_destroy(mask);
  return pixels;
}

const std::vector<TPoint>& GlyphPixels(const ResolvedFont& font, unsigned long glyph) {
  auto it = font.glyphPixels.find(glyph);
  if (it == font.glyphPixels.end()) it = font.glyphPixels.emplace(glyph, RenderGlyph(font, glyph)).first;
  return it->second;
}

}  // namespace

void AddTextPixels(SpanSink& out, const ResolvedFont& font, const TextLayout& layout, int left, int top,
                   bool underline, bool strikeOut) {
  if (!font.scaled || layout.glyphs.empty()) return;
  const int ascent = font.metrics.ascent;
  // Room for glyphs that reach outside their advance (italics, overhangs);
  // ink beyond it is cut off.
  const int pad = font.metrics.height + 2;
  const int w = std::max(layout.width, layout.pen) + 2 * pad, h = font.metrics.height + 2 * pad;
  if (w > 32000 || h > 32000) return;
  for (std::size_t i = 0; i < layout.glyphs.size(); ++i) {
    // The glyph's pen position within the room around the text.
    const int penX = pad + layout.offsets[i], penY = pad + ascent;
    for (const TPoint& p : GlyphPixels(font, layout.glyphs[i])) {
      const int x = penX + p.x, y = penY + p.y;
      if (x >= 0 && x < w && y >= 0 && y < h) out.AddSpan(top - pad + y, left - pad + x, left - pad + x + 1);
    }
  }

  const int baseline = top + ascent;
  auto bar = [&](double offsetBelowBaseline, double thickness) {
    const int y0 = baseline + static_cast<int>(std::lround(offsetBelowBaseline));
    for (int t = 0; t < static_cast<int>(thickness); ++t) out.AddSpan(y0 + t, left, left + layout.width);
  };
  if (underline) bar(std::max(1.0, font.underlinePosition), font.underlineThickness);
  if (strikeOut) bar(-font.strikeoutPosition, font.strikeoutThickness);
}

}  // namespace pg::platform::soft
