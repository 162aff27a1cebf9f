#pragma once
// The marks layout step: takes the boxes where the marks would stand and
// returns boxes that never touch each other nor the panel's text blocks, all
// inside the window, with leader lines that never cross. All coordinates are
// window pixels, after projection: the step knows nothing of 3D.
#include <span>
#include <vector>

#include "platform/graphics.h"

namespace pg::engine {

enum class TMarksLayout { mlStandard, mlNoOverlap };

struct TMarkLayoutInput {
  int index = 0;            // the point
  double weight = 0;        // the slice's size: the lightest marks are dropped first
  platform::TPoint anchor;  // on the slice's edge
  platform::TPoint label;   // where its line would end
  platform::TRect box;      // where the mark would stand (right and bottom exclusive)
};

struct TMarkLayoutOutput {
  int index = 0;
  bool dropped = false;
  platform::TRect box;
  // From the anchor to the box; empty for a dropped mark.
  std::vector<platform::TPoint> leader;
};

struct TMarkLayoutSpace {
  platform::TRect window;                    // every box stays inside
  std::vector<platform::TRect> obstacles;    // title, foot, legend
  platform::TRect pie;                       // bounds of the drawn pie, exploded slices included
  int centerX = 0;                           // the pie's centre on screen: marks right of it go right
  int gap = 8;                               // between the pie and a column of boxes
};

// The marks as they would stand, when none touches another, a text block or
// the window's edge and no two leaders cross or pass through a box; otherwise
// the marks stacked in a column on each side of the pie, in the order of
// their anchors, each as near its own height as the others allow. Marks that
// do not fit are dropped, the lightest first. The output is in input order.
std::vector<TMarkLayoutOutput> LayoutMarksNoOverlap(const std::vector<TMarkLayoutInput>& marks,
                                                    const TMarkLayoutSpace& space);

// Geometry the layout and its checks share.
bool RectsOverlap(const platform::TRect& a, const platform::TRect& b);
bool RectInside(const platform::TRect& inner, const platform::TRect& outer);
// Whether two segments meet anywhere (touching counts).
bool SegmentsMeet(platform::TPoint a, platform::TPoint b, platform::TPoint c, platform::TPoint d);
// Whether a segment meets the pixels of a rectangle (right and bottom exclusive).
bool SegmentMeetsRect(platform::TPoint a, platform::TPoint b, const platform::TRect& r);
// Whether two leader polylines cross; a shared first point (two marks of one
// anchor) alone is not a crossing.
bool LeadersCross(std::span<const platform::TPoint> a, std::span<const platform::TPoint> b);

}  // namespace pg::engine
