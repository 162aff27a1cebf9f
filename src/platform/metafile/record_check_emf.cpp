// The record check of enhanced metafiles. Offsets count from the record's start
// (type and size take its first 8 bytes).
#include <cstdint>
#include <string>

#include "platform/metafile/emf_records.h"
#include "platform/metafile/record_check.h"
#include "platform/metafile/record_check_parts.h"
#include "platform/metafile/record_names.h"
#include "platform/metafile/record_reader.h"

namespace pg::platform::metafile {

namespace {

constexpr std::size_t kHeaderMin = 88;
constexpr std::uint32_t kDibPalColours = 1, kDibPalIndices = 2;

// The bytes a record of a fixed layout needs for every field a player reads;
// 0 for records of a layout that the checks below follow field by field, and
// for records no player reads.
std::size_t FixedSize(std::uint32_t type) {
  using namespace emr;
  switch (type) {
    case kSetWindowExtEx: case kSetWindowOrgEx: case kSetViewportExtEx: case kSetViewportOrgEx:
    case kSetBrushOrgEx: case kOffsetClipRgn: case kMoveToEx: case kLineTo: case kResizePalette:
    case kSetTextJustification:
      return 16;
    case kEof: case kSetPixelV: return 20;
    case kSetMapperFlags: case kSetMapMode: case kSetBkMode: case kSetPolyFillMode: case kSetRop2:
    case kSetStretchBltMode: case kSetTextAlign: case kSetTextColor: case kSetBkColor: case kRestoreDc:
    case kSelectObject: case kDeleteObject: case kSelectPalette: case kSetArcDirection: case kSetMiterLimit:
    case kSelectClipPath: case kSetIcmMode: case kSetColorSpace: case kDeleteColorSpace: case kSetLayout:
      return 12;
    case kExcludeClipRect: case kIntersectClipRect: case kScaleViewportExtEx: case kScaleWindowExtEx:
    case kEllipse: case kRectangle: case kExtFloodFill: case kFillPath: case kStrokeAndFillPath:
    case kStrokePath: case kCreateBrushIndirect:
      return 24;
    case kSetWorldTransform: case kRoundRect: return 32;
    case kModifyWorldTransform: return 36;
    case kCreatePen: case kAngleArc: return 28;
    case kArc: case kChord: case kPie: case kArcTo: return 40;
    case kSetColorAdjustment: return 32;
    case kExtCreateFontIndirectW: return 104;  // the LOGFONTW: what every writer puts
    case kPixelFormat: return 48;
    case kCreateColorSpace: return 340;
    default: return 0;
  }
}

// Records that create an object in a slot of the table, and where they name it.
bool CreatesObject(std::uint32_t type) {
  using namespace emr;
  switch (type) {
    case kCreatePen: case kCreateBrushIndirect: case kCreatePalette: case kExtCreateFontIndirectW:
    case kCreateMonoBrush: case kCreateDibPatternBrushPt: case kExtCreatePen: case kCreateColorSpace:
    case kCreateColorSpaceW:
      return true;
    default: return false;
  }
}

class EmfCheck : public check::RecordCheckBase {
 public:
  EmfCheck(std::uint32_t handles, const WorkLimits& limits) : RecordCheckBase(limits), handles_(handles) {}

  bool Record(std::uint32_t type, std::span<const std::uint8_t> record) {
    work_.Record();
    RecordReader r(record);
    if (const std::size_t fixed = FixedSize(type); fixed != 0 && record.size() < fixed)
      return Fail("has " + std::to_string(record.size()) + " bytes of the " + std::to_string(fixed) + " it needs");
    if (!Fields(type, record, r)) return Fail("does not hold together");
    if (r.Short()) return Fail("ends before its fields");
    if (work_.Over()) return Fail(work_.Exceeded());
    return true;
  }

 private:
  // An index into the object table; stock objects only where one may stand.
  bool Slot(std::uint32_t index, bool stockAllowed) {
    if (index & emr::kStockObject) return stockAllowed || Fail("names a stock object where none may stand");
    return (index != 0 && index < handles_) ||
           Fail("names object " + std::to_string(index) + " of a table of " + std::to_string(handles_));
  }

  // A text of chars characters (2 bytes each when wide) at its offset, and its
  // spacing array (two entries a character with ETO_PDY) at its own.
  bool Text(RecordReader& r, std::size_t at, bool wide) {
    constexpr std::uint32_t kEtoPdy = 0x2000;
    const std::uint32_t chars = r.U32(at + 8), offString = r.U32(at + 12), options = r.U32(at + 16),
                        offDx = r.U32(at + 36);
    if (r.Short()) return false;
    work_.Characters(chars);
    if (chars == 0) return true;
    return Holds(r, offString, chars, wide ? 2 : 1, "characters") &&
           Holds(r, offDx, chars, (options & kEtoPdy) ? 8 : 4, "advances");
  }

  // Region data (header of 32 bytes, then its rectangles) of size bytes at `at`.
  bool Region(RecordReader& r, std::size_t at, std::uint32_t size) {
    if (!Holds(r, at, size, 1) || size < 32) return false;
    const std::uint32_t rects = r.U32(at + 8);
    work_.Points(rects);
    return rects <= (size - 32) / 16 || Fail(check::Claims(size, 32, rects, 16, "rectangles"));
  }

  // The bitmap of a record: header offset and size, pixels offset and size at
  // `at`, how its palette reads at `usageAt`. A record without one is sound
  // only where absent is allowed (a transfer that needs no source).
  bool Bitmap(RecordReader& r, std::span<const std::uint8_t> record, std::size_t at, std::size_t usageAt,
              bool optional, std::uint64_t rows = 0) {
    const std::uint32_t offBmi = r.U32(at), cbBmi = r.U32(at + 4), offBits = r.U32(at + 8), cbBits = r.U32(at + 12),
                        usage = r.U32(usageAt);
    if (r.Short()) return false;
    if (cbBmi == 0) return optional || Fail("carries no bitmap where one must be");
    const auto palette = usage == kDibPalColours   ? check::Palette::kIndices
                         : usage == kDibPalIndices ? check::Palette::kNone
                                                   : check::Palette::kColours;
    return check::BitmapFits(record, offBmi, cbBmi, offBits, cbBits, palette, rows, work_) ||
           Fail("carries a bitmap whose headers and pixels do not hold together");
  }

  // Points of pointSize bytes: count at `at`, the points right after.
  bool Points(RecordReader& r, std::size_t at, std::uint64_t pointSize, std::uint64_t weight) {
    const std::uint32_t n = r.U32(at);
    work_.Points(std::uint64_t{n} * weight);
    return Holds(r, at + 4, n, pointSize, "points");
  }

  // Polygons of pointSize-byte points: their number, the total of points and
  // each one's count, then the points.
  bool PolyPoints(RecordReader& r, std::uint64_t pointSize) {
    const std::uint32_t polys = r.U32(24), total = r.U32(28);
    if (r.Short() || !Holds(r, 32, polys, 4, "point counts")) return false;
    std::uint64_t sum = 0;
    for (std::uint32_t i = 0; i < polys; ++i) sum += r.U32(32 + std::size_t{i} * 4);
    work_.Points(sum + polys);
    if (sum > total)
      return Fail("counts " + std::to_string(sum) + " points in its figures of the " + std::to_string(total) +
                  " it holds");
    return Holds(r, 32 + std::uint64_t{polys} * 4, total, pointSize, "points");
  }

  bool Fields(std::uint32_t type, std::span<const std::uint8_t> record, RecordReader& r) {
    using namespace emr;
    if (CreatesObject(type) && !Slot(r.U32(8), false)) return false;
    switch (type) {
      case kPolygon: case kPolyline: case kPolylineTo: return Points(r, 24, 8, 1);
      case kPolyBezier: case kPolyBezierTo: return Points(r, 24, 8, 8);
      case kPolygon16: case kPolyline16: case kPolylineTo16: return Points(r, 24, 4, 1);
      case kPolyBezier16: case kPolyBezierTo16: return Points(r, 24, 4, 8);
      case kPolyDraw: case kPolyDraw16: {
        const std::uint64_t n = r.U32(24), size = type == kPolyDraw ? 8 : 4;
        work_.Points(n * 8);
        return Holds(r, 28, n, size + 1, "points");  // the points, then a type byte each
      }
      case kPolyPolyline: case kPolyPolygon: return PolyPoints(r, 8);
      case kPolyPolyline16: case kPolyPolygon16: return PolyPoints(r, 4);
      case kSelectObject: return Slot(r.U32(8), true);
      case kSelectPalette: case kSetColorSpace: return Slot(r.U32(8), true);
      case kDeleteObject: case kDeleteColorSpace: case kResizePalette: return Slot(r.U32(8), false);
      case kCreatePalette: return Holds(r, 16, r.U16(14), 4);
      case kSetPaletteEntries: return Slot(r.U32(8), false) && Holds(r, 20, r.U32(16), 4);
      case kExtCreatePen: {
        constexpr std::uint32_t kUserStyle = 7, kStyleMask = 0xF;
        if ((r.U32(28) & kStyleMask) == kUserStyle && !Holds(r, 52, r.U32(48), 4)) return false;
        return r.U32(16) == 0 || Bitmap(r, record, 12, 40, false);
      }
      case kCreateMonoBrush: case kCreateDibPatternBrushPt: return Bitmap(r, record, 16, 12, false);
      case kBitBlt: case kStretchBlt: case kAlphaBlend: case kTransparentBlt:
        (void)r.U32(type == kBitBlt ? 96 : 104);
        return Bitmap(r, record, 84, 80, true);
      case kMaskBlt: return Bitmap(r, record, 84, 80, true) && Bitmap(r, record, 112, 108, true);
      case kPlgBlt: return Bitmap(r, record, 96, 92, true) && Bitmap(r, record, 124, 120, true);
      case kSetDiBitsToDevice: return Bitmap(r, record, 48, 64, false, r.U32(72));
      case kStretchDiBits: return (void)r.U32(76), Bitmap(r, record, 48, 64, false);
      case kExtTextOutA: case kExtTextOutW: return Text(r, 36, type == kExtTextOutW);
      case kPolyTextOutA: case kPolyTextOutW: {
        const std::uint32_t strings = r.U32(36);
        if (r.Short() || !Holds(r, 40, strings, 40, "strings")) return false;
        for (std::uint32_t i = 0; i < strings; ++i)
          if (!Text(r, 40 + std::size_t{i} * 40, type == kPolyTextOutW)) return false;
        return true;
      }
      case kSmallTextOut: {
        constexpr std::uint32_t kNoRect = 0x100, kSmallChars = 0x200;
        const std::uint32_t chars = r.U32(16), options = r.U32(20);
        work_.Characters(chars);
        return Holds(r, (options & kNoRect) ? 36 : 52, chars, (options & kSmallChars) ? 1 : 2, "characters");
      }
      case kExtSelectClipRgn: {
        const std::uint32_t size = r.U32(8);
        (void)r.U32(12);
        return size == 0 || Region(r, 16, size);
      }
      case kFillRgn: return Slot(r.U32(28), false) && Region(r, 32, r.U32(24));
      case kFrameRgn: return Slot(r.U32(28), false) && Region(r, 40, r.U32(24));
      case kInvertRgn: case kPaintRgn: return Region(r, 28, r.U32(24));
      case kGradientFill: {
        const std::uint32_t vertices = r.U32(24), parts = r.U32(28), mode = r.U32(32);
        constexpr std::uint32_t kTriangle = 2;
        const std::uint64_t indices = mode == kTriangle ? 3 : 2;
        if (r.Short() || !Holds(r, 36, vertices, 16) || !Holds(r, 36 + std::uint64_t{vertices} * 16, parts, indices * 4))
          return false;
        // Each part may cover the whole picture: it weighs as much as a long line.
        work_.Points(std::uint64_t{parts} * 256 + vertices);
        for (std::uint64_t i = 0; i < parts * indices; ++i)
          if (const std::uint32_t v = r.U32(36 + std::size_t{vertices} * 16 + i * 4); v >= vertices)
            return Fail("names vertex " + std::to_string(v) + " of " + std::to_string(vertices));
        return true;
      }
      case kSaveDc:
        return work_.Save() || Fail("nests saved states deeper than " + std::to_string(work_.SaveDepthLimit()));
      case kRestoreDc: work_.Restore(r.I32(8)); return true;
      case kGdiComment: return Holds(r, 12, r.U32(8), 1);
      case kSetIcmProfileA: case kSetIcmProfileW: case kColorMatchToTargetW:
        return Holds(r, 24, std::uint64_t{r.U32(16)} + r.U32(20), 1);
      case kCreateColorSpaceW: return Holds(r, 608, r.U32(604), 1);
      case kDrawEscape: case kExtEscape: case kNamedEscape: return Holds(r, 16, r.U32(12), 1);
      case kEof: {
        const std::uint32_t entries = r.U32(8), at = r.U32(12);
        return entries == 0 || Holds(r, at, entries, 4);
      }
      default: return true;
    }
  }

  std::uint32_t handles_;
};

}  // namespace

bool CheckEmfRecords(std::span<const std::uint8_t> file, const WorkLimits& limits, std::string* refusal) {
  const auto refuse = [refusal](std::string why) {
    if (refusal) *refusal = std::move(why);
    return false;
  };
  RecordReader header(file);
  if (file.size() < kHeaderMin || header.U32(0) != emr::kHeader || header.U32(40) != emr::kSignature)
    return refuse("not an enhanced metafile: no header record");
  EmfCheck check(header.U16(56), limits);
  std::uint64_t number = 0;
  for (std::size_t at = 0; at + 8 <= file.size();) {
    RecordReader frame(file.subspan(at, 8));
    const std::uint32_t type = frame.U32(0), size = frame.U32(4);
    ++number;
    const auto named = [&] { return "record " + std::to_string(number) + " (" + EmfRecordName(type) + ") "; };
    if (size < 8 || size % 4 != 0 || size > file.size() - at)
      return refuse(named() + "claims " + std::to_string(size) + " bytes where " + std::to_string(file.size() - at) +
                    " are left");
    if (at == 0 && size < kHeaderMin) return refuse(named() + "is shorter than a header");
    if (at != 0 && !check.Record(type, file.subspan(at, size))) return refuse(named() + check.Detail());
    if (type == emr::kEof) return true;
    at += size;
  }
  return refuse("no end record");
}

}  // namespace pg::platform::metafile
