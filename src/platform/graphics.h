#pragma once
// Value types of device-context drawing, with GDI's meanings and numbers so the
// Windows backend passes them straight through.
#include <cstdint>
#include <string>

namespace pg::platform {

// $00BBGGRR; $FF0000nn is system colour nn (see SysColor).
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr bool IsSysColor(Color c) { return (c & 0xFF000000u) == 0xFF000000u; }

// The colour the system gives element `index` (COLOR_BTNFACE = 15 ...); black for
// an unknown index.
Color SysColor(int index);
// A system colour resolved, any other value with its top byte cleared.
Color ColorToRgb(Color c);

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive, as in GDI.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// psAlternate: a cosmetic pen setting every other pixel, from the first one
// drawn; always 1 pixel wide.
enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psAlternate };

// Raster operation of pen and brush drawing, numbered as GDI's R2_ codes.
enum class PenMode {
  pmBlack = 1, pmNotMerge, pmMaskNotPen, pmNotCopy, pmMaskPenNot, pmNot, pmXor, pmNotMask,
  pmMask, pmNotXor, pmNop, pmMergeNotPen, pmCopy, pmMergePenNot, pmMerge, pmWhite
};

struct Pen {
  PenStyle style = PenStyle::psSolid;
  int width = 1;  // drawn as 1 below 1 and as DeviceContext::kMaxPenWidth above it
  Color color = 0;
  PenMode mode = PenMode::pmCopy;
};

enum class BrushStyle {
  bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};

class Bitmap;

struct Brush {
  BrushStyle style = BrushStyle::bsSolid;
  Color color = 0xFFFFFF;
  // A picture tiled from the surface origin instead of style and colour. The
  // device context copies it when the brush is set; the pointer is not kept.
  const Bitmap* pattern = nullptr;
};

struct Font {
  std::string face = "Arial";
  int height = -11;  // pixels; negative = character height, positive = cell height
  int weight = 400;  // 700 = bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  // 0 ANSI (1252), 1 default (1251 here), 204 Russian (1251); metafiles also
  // ask for 238 Eastern European (1250), 161 Greek (1253), 162 Turkish (1254)
  // and 186 Baltic (1257). The text's bytes are in that code page.
  int charset = 1;
  // The characters' average width in pixels, condensing or expanding them
  // (a LOGFONT's lfWidth); 0 is the face's own proportion.
  int width = 0;
  // Glyph edges drawn in grey levels (a LOGFONT asking for antialiased or
  // ClearType quality); the module's own text is always drawn without.
  bool smooth = false;
};

// The largest letter, in pixels, a font is made with (its em, or the average
// width asked for): FreeType refuses larger sizes, and 32-bit Wine's font
// mapper spent minutes on a wider width. No picture needs more.
inline constexpr int kMaxFontPixels = 16384;

struct TextMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
};

// Background modes.
constexpr int kTransparent = 1;
constexpr int kOpaque = 2;

// Text alignment flags: one horizontal and one vertical, or'ed.
constexpr unsigned kTaLeft = 0;
constexpr unsigned kTaRight = 2;
constexpr unsigned kTaCenter = 6;
constexpr unsigned kTaTop = 0;
constexpr unsigned kTaBottom = 8;
constexpr unsigned kTaBaseline = 24;

// Polygon fill modes.
constexpr int kAlternate = 1;
constexpr int kWinding = 2;

}  // namespace pg::platform
