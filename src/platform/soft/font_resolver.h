#pragma once
// Windows font requests resolved to installed fonts: the Windows families map to
// their metric-compatible Liberation twins, anything unknown to Liberation Sans,
// so text measures the same on every machine with the project's fonts.
#include <cairo.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform::soft {

struct ResolvedFont {
  cairo_scaled_font_t* scaled = nullptr;     // renders; null when no font could be loaded
  cairo_scaled_font_t* measuring = nullptr;  // gives the measured advances
  std::string family;
  TextMetrics metrics;
  double underlinePosition = 0;  // pixels below the baseline
  double underlineThickness = 1;
  double strikeoutPosition = 0;  // pixels above the baseline
  double strikeoutThickness = 1;
  int codePage = 1251;

  // The glyph and both advances of each code page byte, filled on first use:
  // text was laid out by asking cairo character by character on every measure
  // and every draw.
  struct ByteGlyph {
    bool known = false;
    unsigned long glyph = 0;
    int measuredAdvance = 0;
    int drawnAdvance = 0;
  };
  mutable std::array<ByteGlyph, 256> byteGlyphs{};
  // The inked pixels of each glyph drawn alone, from its pen position on the
  // baseline: text is these put side by side (glyphs drawn without smoothing
  // only ever add whole pixels), so cairo renders each glyph once, not every
  // text every time it is drawn.
  mutable std::map<unsigned long, std::vector<TPoint>> glyphPixels;

  ResolvedFont() = default;
  ResolvedFont(const ResolvedFont&) = delete;
  ResolvedFont& operator=(const ResolvedFont&) = delete;
  ~ResolvedFont();
};

// The installed family a Windows face name draws with.
std::string FamilyFor(const std::string& face);

std::shared_ptr<const ResolvedFont> ResolveFont(const Font& font);

}  // namespace pg::platform::soft
