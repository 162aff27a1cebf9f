#pragma once
// The one walk over a metafile's records that both builds make before anything
// plays it. Every record must lie inside the file, and everything inside it that
// a player follows must lie inside the record: counts of points, polygons,
// characters, spacing arrays, bitmaps, region rectangles, palette entries. Every
// object index must name a slot of the table the header declares (or a stock
// object where one may stand), saved states nest to a bounded depth, and the
// whole file fits a work budget, so that no file that passes costs a long paint.
// A file that fails is refused whole: GDI itself trusts these fields, and a
// picture half drawn is no better than the old one kept.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pg::platform::metafile {

// What a metafile may cost to play. Points count every vertex drawn (curve
// control points several times, as they are flattened), characters every glyph,
// pixels every source pixel of every bitmap a record carries. A point whose edge
// spans the whole picture costs GDI under Wine about 65 us at 524 x 246 (and
// our player a tenth of that): the largest clip art we know has 20 000 points.
struct WorkLimits {
  std::uint64_t records = 500'000;
  std::uint64_t points = 200'000;
  std::uint64_t characters = 60'000;
  std::uint64_t pixels = 40'000'000;
  int saveDepth = 1'024;
};

// An enhanced metafile from its header record up to its end record. When it
// fails and refusal is given, *refusal says why, as a person reads it:
// "record 1234 (EMR_POLYLINE16) claims 90000 points of 4 bytes in 60 bytes".
bool CheckEmfRecords(std::span<const std::uint8_t> file, const WorkLimits& limits = {},
                     std::string* refusal = nullptr);

// A standard metafile (from its 18-byte header; without the placeable header in
// front) up to its end record, and what the walk learns on the way: the first
// window extent it sets, which places a file without the placeable header.
struct WmfRecords {
  bool hasWindowExtent = false;
  int windowWidth = 0;
  int windowHeight = 0;
};
// Each creation takes the lowest free slot of the table the header declares; a
// file whose creations find it full is refused, as GDI makes nothing of them.
std::optional<WmfRecords> CheckWmfRecords(std::span<const std::uint8_t> standard, const WorkLimits& limits = {},
                                          std::string* refusal = nullptr);

}  // namespace pg::platform::metafile
