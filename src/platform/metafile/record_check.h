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

namespace pg::platform::metafile {

// What a metafile may cost to play. Points count every vertex drawn (curve
// control points several times, as they are flattened), characters every glyph,
// pixels every source pixel of every bitmap a record carries.
struct WorkLimits {
  std::uint64_t records = 500'000;
  std::uint64_t points = 1'200'000;
  std::uint64_t characters = 60'000;
  std::uint64_t pixels = 40'000'000;
  int saveDepth = 1'024;
};

// An enhanced metafile from its header record up to its end record.
bool CheckEmfRecords(std::span<const std::uint8_t> file, const WorkLimits& limits = {});

// A standard metafile (from its 18-byte header; without the placeable header in
// front) up to its end record, and what the walk learns on the way: the first
// window extent it sets, which places a file without the placeable header.
struct WmfRecords {
  bool hasWindowExtent = false;
  int windowWidth = 0;
  int windowHeight = 0;
};
std::optional<WmfRecords> CheckWmfRecords(std::span<const std::uint8_t> standard, const WorkLimits& limits = {});

}  // namespace pg::platform::metafile
