#pragma once
// Which source pixels a stretched copy takes, as GDI's COLORONCOLOR stretch
// picks them; shared by the portable bitmap copy and the pictures that scale
// their own pixels (icons), so both land on the same pixels as GDI's.
namespace pg::platform {

// Source index (0 .. source - 1) of destination step d of dest steps over source
// pixels: growing repeats pixels evenly around centres; shrinking keeps the
// last pixel of each group across and the first one down. dest and source are
// positive.
int StretchSourceStep(long long d, long long dest, long long source, bool across);

// When shrinking, destination step d stands for the source pixels
// [first, end): the groups GDI merges in its AND and OR stretch modes. When
// growing, the one pixel StretchSourceStep picks.
struct SourceGroup {
  int first = 0;
  int end = 0;
};
SourceGroup StretchSourceGroup(long long d, long long dest, long long source);

}  // namespace pg::platform
