#pragma once
// The objects a metafile creates into its table and selects, kept in the
// metafile's own terms (logical sizes); the player turns them into the device
// context's pen, brush and font when it draws.
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "platform/bitmap.h"
#include "platform/graphics.h"

namespace pg::platform::metafile {

// Pen style bits as metafiles store them.
enum : std::uint32_t {
  kPsSolid = 0, kPsDash, kPsDot, kPsDashDot, kPsDashDotDot, kPsNull, kPsInsideFrame, kPsUserStyle, kPsAlternate,
  kPsStyleMask = 0x0F,
  kPsEndCapMask = 0x0F00, kPsEndCapRound = 0x0000, kPsEndCapSquare = 0x0100, kPsEndCapFlat = 0x0200,
  kPsJoinMask = 0xF000, kPsJoinRound = 0x0000, kPsJoinBevel = 0x1000, kPsJoinMiter = 0x2000,
  kPsGeometric = 0x10000,
};

// The style of a pen made by CreatePen (EMR_CREATEPEN, META_CREATEPENINDIRECT).
// GDI takes only the plain style numbers there: ends and joins belong to
// ExtCreatePen's geometric pens, and any other value (end or join bits, a user
// style, PS_ALTERNATE) makes a solid pen, drawn wide with round ends and joins.
constexpr std::uint32_t PlainPenStyle(std::uint32_t style) {
  return style <= kPsInsideFrame ? style : kPsSolid;
}

struct PenObject {
  std::uint32_t style = kPsSolid;  // the whole style word: kind, cap, join, geometric
  double width = 0;                // logical units; 0 is one pixel
  Color color = 0;
  std::vector<double> dashes;      // a user style's lengths, in pixels as GDI takes them
  bool Null() const { return (style & kPsStyleMask) == kPsNull; }
};

// Brush kinds as metafiles store them.
enum : std::uint32_t { kBsSolid = 0, kBsNull = 1, kBsHatched = 2, kBsPattern = 3, kBsDibPattern = 5, kBsDibPatternPt = 6 };

struct BrushObject {
  std::uint32_t kind = kBsSolid;
  std::uint32_t hatch = 0;  // HS_HORIZONTAL 0 ... HS_DIAGCROSS 5
  Color color = 0xFFFFFF;
  std::shared_ptr<const Bitmap> pattern;
  bool Null() const { return kind == kBsNull || ((kind == kBsDibPattern || kind == kBsPattern) && !pattern); }
};

struct FontObject {
  Font font;            // height in logical units
  int escapement = 0;   // tenths of a degree, counter-clockwise
};

// Rectangles in logical (WMF) or device (EMF) units, as the record gave them.
struct RegionObject {
  std::vector<TRect> rects;
};

// Palettes and whatever else only needs a place in the table.
struct OtherObject {};

using GdiObject = std::variant<std::monostate, PenObject, BrushObject, FontObject, RegionObject, OtherObject>;

}  // namespace pg::platform::metafile
