#pragma once
// Folder rule — soft/raster: the portable build's GDI-exact rasterisation of shapes, lines
// and coverage onto surfaces; may include soft/ and the platform interface.
// Paints a coverage onto a surface from a colour, hatch or tiled picture, through
// the clip and GDI's binary raster operation.
#include <cstdint>
#include <vector>

#include "platform/soft/raster/coverage.h"
#include "platform/soft/raster/line_raster.h"
#include "platform/soft/raster/row_line.h"
#include "platform/soft/surface.h"

namespace pg::platform::soft {

struct PaintSource {
  enum class Kind { kSolid, kHatch, kPattern };
  Kind kind = Kind::kSolid;
  std::uint32_t color = 0;       // solid colour or hatch lines (0x00RRGGBB)
  std::uint32_t background = 0;  // between hatch lines
  bool opaque = false;           // paint between hatch lines
  const std::uint8_t* hatch = nullptr;  // 8 rows; bit x of row y is a line pixel
  const std::vector<std::uint32_t>* pattern = nullptr;
  int patternWidth = 0;
  int patternHeight = 0;
};

constexpr int kRopCopy = 13;  // R2_COPYPEN

// `clip` null paints everywhere on the surface.
void Paint(Surface& surface, const Coverage& coverage, const PaintSource& source, int rop2, const Coverage* clip);

// One run [x0, x1) of row y, as Paint paints each run of a coverage.
void PaintSpan(Surface& surface, int y, int x0, int x1, const PaintSource& source, int rop2, const Coverage* clip);

// Paints each run as it comes, cut to `bounds` as a coverage would cut it.
class SpanPainter final : public SpanSink {
 public:
  SpanPainter(Surface& surface, const TRect& bounds, const PaintSource& source, int rop2, const Coverage* clip);
  const TRect& Bounds() const override { return bounds_; }
  void AddSpan(int y, int x0, int x1) override;
  // One pixel, as lines and outlines come.
  void Add(int x, int y) {
    if (!plain_) {
      AddSpan(y, x, x + 1);
    } else if (x >= inside_.left && x < inside_.right && y >= inside_.top && y < inside_.bottom) {
      surface_.Row(y)[x] = source_.color;
    }
  }
  // A 1-pixel line as StepLine steps it. A solid copy of a line whose ends lie
  // within the surface (and so all its pixels) goes straight into the rows,
  // without a test per pixel: a pie's radials are most of its outline.
  void Line(TPoint a, TPoint b, bool includeEnd, const TRect& keep) {
    if (plain_ && Inside(a) && Inside(b)) {
      StoreLine(surface_.Row(0), surface_.Stride(), a, b, includeEnd, source_.color);
      return;
    }
    StepLine(a, b, includeEnd, keep, [this](int x, int y) { Add(x, y); });
  }

 private:
  bool Inside(TPoint p) const {
    return p.x >= inside_.left && p.x < inside_.right && p.y >= inside_.top && p.y < inside_.bottom;
  }

  Surface& surface_;
  TRect bounds_;
  TRect inside_;  // bounds_ within the surface
  PaintSource source_;
  int rop2_;
  const Coverage* clip_;
  bool plain_;  // a solid copy without a clip
};

// Paints the runs `shape` adds to the SpanSink it is given, each pixel once. A
// copy paints them as they come (painting a pixel twice is painting it once),
// other operations collect them in a coverage within `area` first.
template <typename Shape>
void PaintShape(Surface& surface, const TRect& area, const PaintSource& source, int rop2, const Coverage* clip,
                Shape&& shape) {
  if (rop2 == kRopCopy) {
    SpanPainter direct(surface, area, source, rop2, clip);
    shape(direct);
    return;
  }
  Coverage collected(area);
  shape(collected);
  Paint(surface, collected, source, rop2, clip);
}

std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dest);

}  // namespace pg::platform::soft
