// The record check of standard metafiles. Offsets count from the record's start:
// its size in words (4 bytes) and function (2), then the parameter words at 6.
#include <cstdint>
#include <string>

#include "platform/metafile/object_slots.h"
#include "platform/metafile/record_check.h"
#include "platform/metafile/record_check_parts.h"
#include "platform/metafile/record_names.h"
#include "platform/metafile/record_reader.h"
#include "platform/metafile/wmf_records.h"
#include "platform/picture/picture_headers.h"

namespace pg::platform::metafile {

namespace {

// The parameter words a record of a fixed layout needs for every field a
// player reads; 0 for records the checks below follow field by field.
std::size_t FixedWords(std::uint16_t function) {
  using namespace wmr;
  switch (function) {
    case kSetBkMode: case kSetMapMode: case kSetRop2: case kSetRelAbs: case kSetPolyFillMode:
    case kSetStretchBltMode: case kSetTextCharExtra: case kSetTextAlign: case kResizePalette: case kRestoreDc:
    case kSelectObject: case kDeleteObject: case kSelectPalette: case kSelectClipRegion: case kInvertRegion:
    case kPaintRegion:
      return 1;
    case kSetBkColor: case kSetTextColor: case kSetTextJustification: case kSetWindowOrg: case kSetWindowExt:
    case kSetViewportOrg: case kSetViewportExt: case kOffsetWindowOrg: case kOffsetViewportOrg: case kLineTo:
    case kMoveTo: case kOffsetClipRgn: case kSetMapperFlags: case kSetLayout: case kFillRegion:
      return 2;
    case kScaleWindowExt: case kScaleViewportExt: case kExcludeClipRect: case kIntersectClipRect: case kEllipse:
    case kFloodFill: case kRectangle: case kSetPixel: case kCreateBrushIndirect: case kFrameRegion:
      return 4;
    case kCreatePenIndirect: case kExtFloodFill: return 5;
    case kRoundRect: case kPatBlt: return 6;
    case kArc: case kPie: case kChord: return 8;
    case kCreateFontIndirect: return 9;  // the font without its face, which may be short
    default: return 0;
  }
}

// Where the bitmap starts in a record that carries one (bytes from the record's
// start; at its end or beyond for one that is missing), and whether its palette
// holds indices; 0 for records without a bitmap.
// A block transfer without a source (raster operations on the destination
// alone) has a record of the function's own size and no bitmap.
struct RecordBitmap {
  std::size_t at = 0;
  bool paletteIndices = false;
};
RecordBitmap BitmapInRecord(std::span<const std::uint8_t> record, std::uint16_t function) {
  using namespace wmr;
  constexpr std::uint16_t kDibPalColours = 1;
  const std::size_t words = record.size() / 2;
  const auto usage = [&](std::size_t at) { return record.size() >= at + 2 && ReadLe16(record, at) == kDibPalColours; };
  switch (function) {
    case kDibBitBlt: return {words == (kDibBitBlt >> 8) + 3u ? 0u : 22u, false};
    case kDibStretchBlt:
      // Without a bitmap a player takes the reserved word and the source
      // height for a source size and, when neither is 0, reads a bitmap past
      // the record: such a record counts as a broken bitmap.
      if (words == (kDibStretchBlt >> 8) + 3u)
        return {ReadLe16(record, 10) == 0 || ReadLe16(record, 12) == 0 ? 0u : record.size(), false};
      return {26, false};
    case kStretchDib: return {28, usage(10)};
    case kSetDibToDev: return {24, usage(6)};
    case kDibCreatePatternBrush: return {10, usage(8)};
    default: return {};
  }
}

// Records that make an object in the lowest free slot of the table.
bool CreatesObject(std::uint16_t function) {
  using namespace wmr;
  switch (function) {
    case kCreatePenIndirect: case kCreateBrushIndirect: case kCreateFontIndirect: case kCreatePalette:
    case kCreateRegion: case kCreatePatternBrush: case kDibCreatePatternBrush:
      return true;
    default: return false;
  }
}

class WmfCheck : public check::RecordCheckBase {
 public:
  WmfCheck(std::uint16_t objects, const WorkLimits& limits)
      : RecordCheckBase(limits), objects_(objects), slots_(objects) {}

  bool Record(std::uint16_t function, std::span<const std::uint8_t> record) {
    work_.Record();
    RecordReader r(record);
    if (const std::size_t fixed = FixedWords(function); fixed != 0 && record.size() < 6 + 2 * fixed)
      return Fail("has " + std::to_string(record.size() / 2 - 3) + " parameter words of the " + std::to_string(fixed) +
                  " it needs");
    if (!Fields(function, record, r)) return Fail("does not hold together");
    if (r.Short()) return Fail("ends before its fields");
    if (CreatesObject(function) && !slots_.Take())
      return Fail("finds all " + std::to_string(objects_) + " object slots the header declares in use");
    if (function == wmr::kDeleteObject) slots_.Release(r.U16(6));
    if (work_.Over()) return Fail(work_.Exceeded());
    return true;
  }

 private:
  bool Slot(std::uint16_t index) {
    return index < objects_ ||
           Fail("names object " + std::to_string(index) + " of a table of " + std::to_string(objects_));
  }

  // A device-dependent bitmap (16-bit header of 10 bytes) at `at` with its rows
  // at bitsAt.
  bool OldBitmap(RecordReader& r, std::size_t at, std::size_t bitsAt) {
    const std::int16_t width = r.I16(at + 2), height = r.I16(at + 4);
    const std::uint16_t rowBytes = r.U16(at + 6);
    const int planes = r.U8(at + 8), bpp = r.U8(at + 9);
    if (r.Short() || width <= 0 || height <= 0 || planes != 1 ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32))
      return Fail("carries a bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " pixels of " +
                  std::to_string(bpp) + " bits");
    if (rowBytes < (std::uint64_t{static_cast<std::uint16_t>(width)} * bpp + 15) / 16 * 2)
      return Fail("carries a bitmap whose rows are shorter than its width");
    work_.Pixels(std::uint64_t{static_cast<std::uint16_t>(width)} * static_cast<std::uint16_t>(height));
    return Holds(r, bitsAt, height, rowBytes, "bitmap rows");
  }

  bool Fields(std::uint16_t function, std::span<const std::uint8_t> record, RecordReader& r) {
    using namespace wmr;
    if (const auto bitmap = BitmapInRecord(record, function); bitmap.at != 0) {
      // A bitmap whose headers do not hold together can send a player into an
      // endless loop: the whole file is refused.
      if (bitmap.at >= record.size()) return Fail("carries no bitmap where one must be");
      const auto layout = ReadPackedBitmapLayout(record.subspan(bitmap.at), bitmap.paletteIndices);
      if (!layout) return Fail("carries a bitmap whose headers and pixels do not hold together");
      work_.Pixels(static_cast<std::uint64_t>(layout->width) * static_cast<std::uint64_t>(layout->height));
      return true;
    }
    switch (function) {
      case kSelectObject: case kDeleteObject: case kSelectPalette: case kSelectClipRegion: case kInvertRegion:
      case kPaintRegion:
        return Slot(r.U16(6));
      case kFillRegion: return Slot(r.U16(6)) && Slot(r.U16(8));
      case kFrameRegion: return Slot(r.U16(10)) && Slot(r.U16(12));  // after the frame's height and width
      case kPolygon: case kPolyline: {
        const std::uint16_t n = r.U16(6);
        work_.Points(n);
        return Holds(r, 8, n, 4, "points");
      }
      case kPolyPolygon: {
        const std::uint16_t polys = r.U16(6);
        if (r.Short() || !Holds(r, 8, polys, 2, "point counts")) return false;
        std::uint64_t sum = 0;
        for (std::size_t i = 0; i < polys; ++i) sum += r.U16(8 + 2 * i);
        work_.Points(sum + polys);
        return Holds(r, 8 + 2 * std::uint64_t{polys}, sum, 4, "points");
      }
      case kTextOut: {
        const std::uint16_t chars = r.U16(6);
        work_.Characters(chars);
        return Holds(r, 8, (chars + 1u) / 2 * 2 + 4, 1, "bytes of text and place");  // the string, padded, then y and x
      }
      case kExtTextOut: {
        constexpr std::uint16_t kOpaque = 2, kClipped = 4;
        const std::uint16_t chars = r.U16(10), options = r.U16(12);
        work_.Characters(chars);
        return Holds(r, (options & (kOpaque | kClipped)) ? 22 : 14, chars, 1, "characters");
      }
      case kCreatePalette: case kSetPalEntries: case kAnimatePalette: return Holds(r, 10, r.U16(8), 4);
      case kCreateRegion: {
        const std::uint16_t scans = r.U16(16);
        std::size_t at = 28;
        for (std::uint16_t i = 0; i < scans; ++i) {
          const std::uint16_t xs = r.U16(at);  // left and right edges of the scan's runs
          if (r.Short() || !Holds(r, at, 8 + std::uint64_t{xs} * 2, 1, "bytes of a scan")) return false;
          work_.Points(xs);
          at += 8 + std::size_t{xs} * 2;
        }
        return true;
      }
      case kEscape: return Holds(r, 10, r.U16(8), 1);
      case kBitBlt: case kStretchBlt: {
        if (record.size() / 2 == (function >> 8) + 3u) return true;  // no source
        const std::size_t at = function == kBitBlt ? 22 : 26;
        return OldBitmap(r, at, at + 10);
      }
      case kCreatePatternBrush: return OldBitmap(r, 6, 6 + 14 + 18);  // header, reserved, rows
      case kSaveDc:
        return work_.Save() || Fail("nests saved states deeper than " + std::to_string(work_.SaveDepthLimit()));
      case kRestoreDc: work_.Restore(r.I16(6)); return true;
      case kRectangle: case kEllipse: case kRoundRect: case kArc: case kPie: case kChord: case kLineTo:
        work_.Points(4);
        return true;
      default: return true;
    }
  }

  std::uint16_t objects_;
  ObjectSlots slots_;
};

}  // namespace

std::optional<WmfRecords> CheckWmfRecords(std::span<const std::uint8_t> standard, const WorkLimits& limits,
                                          std::string* refusal) {
  const auto refuse = [refusal](std::string why) -> std::optional<WmfRecords> {
    if (refusal) *refusal = std::move(why);
    return std::nullopt;
  };
  constexpr std::size_t kHeader = wmr::kHeaderSize;
  if (standard.size() < kHeader) return refuse("not a metafile: shorter than a header");
  RecordReader header(standard.subspan(0, kHeader));
  const std::uint16_t type = header.U16(0), headerWords = header.U16(2), version = header.U16(4);
  if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
    return refuse("not a metafile: the header is of no known kind");
  // Players size their record buffer by the header's largest record: one
  // claimed larger than the file would have them allocate gigabytes.
  if (header.U32(12) > standard.size() / 2)
    return refuse("the header claims a record of " + std::to_string(header.U32(12)) + " words in a file of " +
                  std::to_string(standard.size() / 2));
  WmfCheck check(header.U16(10), limits);

  WmfRecords found;
  bool ended = false;
  std::uint64_t number = 0;
  for (std::size_t at = kHeader; at + 6 <= standard.size();) {
    const std::uint32_t words = ReadLe32(standard, at);
    const std::uint16_t function = ReadLe16(standard, at + 4);
    ++number;
    const auto named = [&] { return "record " + std::to_string(number) + " (" + WmfRecordName(function) + ") "; };
    // What follows the end record may be anything, but a player that does not
    // stop at an end record of odd size plays on: the records after it are
    // checked as long as their sizes hold together.
    if (words < 3 || words > (standard.size() - at) / 2) {
      if (ended) break;
      return refuse(named() + "claims " + std::to_string(words) + " words where " +
                    std::to_string((standard.size() - at) / 2) + " are left");
    }
    const auto record = standard.subspan(at, std::size_t{words} * 2);
    if (!check.Record(function, record)) return refuse(named() + check.Detail());
    if (!ended && !found.hasWindowExtent && function == wmr::kSetWindowExt && words >= 5) {
      found.hasWindowExtent = true;
      const auto height = static_cast<std::int16_t>(ReadLe16(record, 6)),
                 width = static_cast<std::int16_t>(ReadLe16(record, 8));
      found.windowWidth = width < 0 ? -width : width;
      found.windowHeight = height < 0 ? -height : height;
    }
    if (function == wmr::kEof) ended = true;
    at += std::size_t{words} * 2;
  }
  if (!ended) return refuse("no end record");
  return found;
}

}  // namespace pg::platform::metafile
