#pragma once
// Windows font requests resolved to installed fonts: the Windows families map to
// their metric-compatible Liberation twins, anything unknown to Liberation Sans,
// so text measures the same on every machine with the project's fonts.
#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics.h"

namespace pg::platform::soft {

struct ResolvedFont {
  // Renders the glyphs and gives their advances, both hinted for the pixel size
  // as bilevel glyphs are; null when no font could be loaded.
  cairo_scaled_font_t* scaled = nullptr;
  // The same glyphs for smoothed text, hinted as grey-level glyphs are (up and
  // down only), made on first use.
  mutable cairo_scaled_font_t* smooth = nullptr;
  // Whether the face lets its glyphs be smoothed at this size (small sizes of
  // hinted faces are drawn sharp even when smoothing is asked for).
  bool smoothable = true;
  std::string family;
  TextMetrics metrics;
  double underlinePosition = 0;  // pixels below the baseline
  double underlineThickness = 1;
  double strikeoutPosition = 0;  // pixels above the baseline
  double strikeoutThickness = 1;
  int codePage = 1251;

  // The glyph and advance of each code page byte, filled on first use: text was
  // laid out by asking cairo character by character on every measure and draw.
  struct ByteGlyph {
    bool known = false;
    unsigned long glyph = 0;
    int advance = 0;
  };
  mutable std::array<ByteGlyph, 256> byteGlyphs{};
  // Tells this font's glyphs apart from another's in the glyph cache, even after
  // this one is gone and its address reused.
  std::uint64_t serial = 0;

  ResolvedFont() = default;
  ResolvedFont(const ResolvedFont&) = delete;
  ResolvedFont& operator=(const ResolvedFont&) = delete;
  ~ResolvedFont();
};

// The installed family a Windows face name draws with.
std::string FamilyFor(const std::string& face);

// Fonts are kept for reuse within a byte budget, the least recently used dropped
// first; a font still selected somewhere lives on with its user.
std::shared_ptr<const ResolvedFont> ResolveFont(const Font& font);

// Whether two requests resolve to the same font (underline and strike-out are
// drawn over it, not part of it).
bool ResolvesAlike(const Font& a, const Font& b);

}  // namespace pg::platform::soft
