#include "platform/metafile/dashes.h"

#include <cmath>

#include "platform/metafile/gdi_objects.h"

namespace pg::platform::metafile {

std::vector<double> DashPattern(std::uint32_t penStyle, double width, std::span<const double> user) {
  std::vector<double> units;
  switch (penStyle & kPsStyleMask) {
    case kPsDash: units = {3, 1}; break;
    case kPsDot: case kPsAlternate: units = {1, 1}; break;
    case kPsDashDot: units = {3, 1, 1, 1}; break;
    case kPsDashDotDot: units = {3, 1, 1, 1, 1, 1}; break;
    case kPsUserStyle: {
      std::vector<double> own(user.begin(), user.end());
      if (own.size() % 2) own.insert(own.end(), user.begin(), user.end());  // odd: on and off swap each round
      double total = 0;
      for (double& v : own) total += (v = std::isfinite(v) ? std::fabs(v) : 0);
      return total > 0 ? own : std::vector<double>{};
    }
    default: return {};
  }
  const double w = std::max(width, 1.0);
  for (double& v : units) v *= w;
  // Round and square ends reach past each dash: the dashes give up a width to
  // the gaps, so what shows keeps the pattern's proportions.
  if ((penStyle & kPsEndCapMask) != kPsEndCapFlat)
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
      const double give = std::min(w, units[i]);
      units[i] -= give;
      units[i + 1] += give;
    }
  return units;
}

std::vector<std::vector<PointD>> DashPieces(std::span<const PointD> points, bool closed,
                                            std::span<const double> pattern, std::size_t maxPieces) {
  std::vector<std::vector<PointD>> pieces;
  if (points.size() < 2 || pattern.empty()) return pieces;
  std::vector<PointD> path(points.begin(), points.end());
  if (closed) path.push_back(points.front());
  std::size_t index = 0;
  double left = pattern[0];
  bool on = true;
  std::vector<PointD> current{path[0]};
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const PointD a = path[i], b = path[i + 1];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!std::isfinite(length)) return pieces;
    double at = 0;
    while (length - at > left) {
      at += left;
      const double t = at / length;
      const PointD p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
      if (on) {
        current.push_back(p);
        pieces.push_back(std::move(current));
        if (pieces.size() >= maxPieces) return pieces;
      }
      current = {p};
      on = !on;
      index = (index + 1) % pattern.size();
      left = pattern[index];
    }
    left -= length - at;
    if (on) current.push_back(b);
  }
  if (on && current.size() >= 2) pieces.push_back(std::move(current));
  return pieces;
}

}  // namespace pg::platform::metafile
