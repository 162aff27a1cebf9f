#pragma once
// A 2-D affine map as metafiles store one: x' = m11 x + m21 y + dx,
// y' = m12 x + m22 y + dy.
#include <algorithm>
#include <cmath>

namespace pg::platform::metafile {

// Far beyond any surface, yet well inside int: every device coordinate and
// length the player hands the context is held to it.
constexpr double kFarPixels = 1 << 26;

// A device coordinate or length as an int, rounded, held to +-kFarPixels (0
// when it is not a number): converting a double beyond int is undefined.
inline int HeldInt(double v) {
  return std::isfinite(v) ? static_cast<int>(std::lround(std::clamp(v, -kFarPixels, kFarPixels))) : 0;
}

struct PointD {
  double x = 0;
  double y = 0;
};

struct Affine {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;

  PointD Apply(PointD p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
  PointD ApplyLinear(PointD p) const { return {m11 * p.x + m21 * p.y, m12 * p.x + m22 * p.y}; }
  // This map first, then next.
  Affine Then(const Affine& n) const {
    return {m11 * n.m11 + m12 * n.m21, m11 * n.m12 + m12 * n.m22, m21 * n.m11 + m22 * n.m21,
            m21 * n.m12 + m22 * n.m22, dx * n.m11 + dy * n.m21 + n.dx, dx * n.m12 + dy * n.m22 + n.dy};
  }
  double Determinant() const { return m11 * m22 - m12 * m21; }
  // How much a length grows on average (pen widths, radii).
  double Scale() const { return std::sqrt(std::fabs(Determinant())); }
  // Only scaling and moving along the axes: shapes keep their kind.
  bool AxisAligned() const { return m12 == 0 && m21 == 0; }
  // The map back; the identity for a map that flattens the plane.
  Affine Inverse() const {
    const double det = Determinant();
    if (det == 0 || !std::isfinite(det)) return {};
    Affine r{m22 / det, -m12 / det, -m21 / det, m11 / det, 0, 0};
    r.dx = -(dx * r.m11 + dy * r.m21);
    r.dy = -(dx * r.m12 + dy * r.m22);
    return r;
  }
  bool Finite() const {
    return std::isfinite(m11) && std::isfinite(m12) && std::isfinite(m21) && std::isfinite(m22) &&
           std::isfinite(dx) && std::isfinite(dy);
  }
};

}  // namespace pg::platform::metafile
