#pragma once
// Record types of enhanced metafiles, as the files number them. One list for the
// record check and the player.
#include <cstdint>

namespace pg::platform::metafile::emr {

enum : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kSetBrushOrgEx = 13,
  kEof = 14,
  kSetPixelV = 15,
  kSetMapperFlags = 16,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetStretchBltMode = 21,
  kSetTextAlign = 22,
  kSetColorAdjustment = 23,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kOffsetClipRgn = 26,
  kMoveToEx = 27,
  kSetMetaRgn = 28,
  kExcludeClipRect = 29,
  kIntersectClipRect = 30,
  kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kAngleArc = 41,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kSelectPalette = 48,
  kCreatePalette = 49,
  kSetPaletteEntries = 50,
  kResizePalette = 51,
  kRealizePalette = 52,
  kExtFloodFill = 53,
  kLineTo = 54,
  kArcTo = 55,
  kPolyDraw = 56,
  kSetArcDirection = 57,
  kSetMiterLimit = 58,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kFlattenPath = 65,
  kWidenPath = 66,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kGdiComment = 70,
  kFillRgn = 71,
  kFrameRgn = 72,
  kInvertRgn = 73,
  kPaintRgn = 74,
  kExtSelectClipRgn = 75,
  kBitBlt = 76,
  kStretchBlt = 77,
  kMaskBlt = 78,
  kPlgBlt = 79,
  kSetDiBitsToDevice = 80,
  kStretchDiBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kPolyDraw16 = 92,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrushPt = 94,
  kExtCreatePen = 95,
  kPolyTextOutA = 96,
  kPolyTextOutW = 97,
  kSetIcmMode = 98,
  kCreateColorSpace = 99,
  kSetColorSpace = 100,
  kDeleteColorSpace = 101,
  kGlsRecord = 102,
  kGlsBoundedRecord = 103,
  kPixelFormat = 104,
  kDrawEscape = 105,
  kExtEscape = 106,
  kSmallTextOut = 108,
  kForceUfiMapping = 109,
  kNamedEscape = 110,
  kColorCorrectPalette = 111,
  kSetIcmProfileA = 112,
  kSetIcmProfileW = 113,
  kAlphaBlend = 114,
  kSetLayout = 115,
  kTransparentBlt = 116,
  kGradientFill = 118,
  kSetLinkedUfis = 119,
  kSetTextJustification = 120,
  kColorMatchToTargetW = 121,
  kCreateColorSpaceW = 122,
};

// The header record's signature (" EMF") and the stock object flag of object
// indices (0x80000000 | WHITE_BRUSH ...).
constexpr std::uint32_t kSignature = 0x464D4520;
constexpr std::uint32_t kStockObject = 0x80000000u;

// Sizes of the fixed parts of records as files lay them out, type and size
// words included; what follows them (points, strings, bitmaps) starts there.
constexpr std::uint32_t kHeaderSize = 108;  // with the pixel format and micrometre fields
constexpr std::uint32_t kPolySize = 28;  // bounds, count; points follow
constexpr std::uint32_t kExtTextOutWSize = 76;  // bounds, mode, scales, EMRTEXT; string follows
constexpr std::uint32_t kStretchDiBitsSize = 80;  // BITMAPINFO and bits follow
constexpr std::uint32_t kBitBltSize = 100;  // a pattern copy when no bitmap follows
constexpr std::uint32_t kExtCreateFontSize = 104;  // a LOGFONTW of 92 bytes
constexpr std::uint32_t kEofSize = 20;

// Stock objects, selected as kStockObject | index.
constexpr std::uint32_t kNullBrush = 5;
constexpr std::uint32_t kNullPen = 8;

// Region modes of clip records, raster operations of copies.
constexpr std::int32_t kRgnAnd = 1;
constexpr std::int32_t kRgnCopy = 5;
constexpr std::uint32_t kPatCopy = 0x00F00021;
constexpr std::int32_t kStretchColorOnColor = 3;

}  // namespace pg::platform::metafile::emr
