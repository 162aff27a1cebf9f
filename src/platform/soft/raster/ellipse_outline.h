#pragma once
// The 1-pixel outline of an ellipse with each pixel's direction from the centre
// pixel, kept sorted by direction. The slices of a pie share one ellipse: each
// finds its arc and the ends of its radials by search, where a pass over the
// whole outline per slice was most of a flat pie's paint.
#include <cmath>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform::soft {

inline constexpr double kTwoPi = 2 * 3.14159265358979323846;

// An angle brought into [0, 2pi). Within one turn the argument is kept and
// within two one turn is taken off, which the subtraction does exactly (the
// operands are within a factor of 2); only what lies further goes through fmod.
inline double WrapAngle(double a) {
  if (a <= -kTwoPi && a > -2 * kTwoPi) a += kTwoPi;
  else if (a >= kTwoPi && a < 2 * kTwoPi) a -= kTwoPi;
  else if (!(a > -kTwoPi && a < kTwoPi)) a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

// The part of the plane counter-clockwise (on screen) from the start direction
// through `sweep`. Angles are taken about the centre pixel, from whole pixel
// positions, as the radial lines run.
struct Sector {
  int cx, cy;
  double start, sweep;
  double AngleOf(double x, double y) const { return std::atan2(cy - y, x - cx); }
  double OffsetOf(double angle) const { return WrapAngle(angle - start); }
  bool Includes(double angle) const { return OffsetOf(angle) <= sweep + 1e-9; }
  bool Contains(int x, int y) const { return Includes(AngleOf(x, y)); }
};

class EllipseOutline {
 public:
  // Whether the outline traced last is that of `box` within `area`.
  bool Holds(const TRect& box, const TRect& area) const { return traced_ && box_ == box && area_ == area; }
  // The outline of the ellipse in `box` (normalised) within `area`, with angles
  // about the centre of `about`.
  void Trace(const TRect& box, const TRect& area, const Sector& about);

  // The outline pixels `s` includes, in order of their offset from its start:
  // those a pass testing every pixel and sorting by offset gives.
  void SectorPixels(const Sector& s, std::vector<TPoint>& out) const;
  // The outline pixel whose direction is nearest to `angle` (the first in scan
  // order among equally near ones); `none` when the outline is empty.
  TPoint Nearest(double angle, TPoint none) const;

 private:
  struct Pixel {
    int x, y;
    double angle;
    int scan;  // place in scan order
  };
  // The pass over the scan order that SectorPixels stands for, where offsets tie.
  void SectorPixelsByScan(const Sector& s, std::vector<TPoint>& out) const;

  bool traced_ = false;
  TRect box_, area_;
  std::vector<Pixel> scan_;     // top to bottom, left to right
  std::vector<Pixel> byAngle_;  // ascending angle in (-pi, pi], then scan order
};

}  // namespace pg::platform::soft
