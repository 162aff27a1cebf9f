#include "platform/soft/raster/ellipse_outline.h"

#include <algorithm>
#include <utility>

#include "platform/soft/raster/coverage.h"
#include "platform/soft/raster/shape_raster.h"

namespace pg::platform::soft {

namespace {

constexpr double kPi = kTwoPi / 2;

// Searches by angle take this much more on each side than they need: far more
// than rounding moves an angle, so every pixel the exact tests could pick is
// among those looked at, and each is then decided by the exact test.
constexpr double kSearchMargin = 1e-6;

// Kept from call to call: a pie of many slices allocates nothing here.
std::vector<double>& Offsets() {
  static std::vector<double> offsets;
  return offsets;
}

}  // namespace

void EllipseOutline::Trace(const TRect& box, const TRect& area, const Sector& about) {
  traced_ = false;
  Coverage shape(area);
  AddEllipse(shape, box);
  const Coverage edge = Outline(shape);
  scan_.clear();
  edge.ForEachSpan([&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x)
      scan_.push_back(Pixel{x, y, about.AngleOf(x, y), static_cast<int>(scan_.size())});
  });
  byAngle_ = scan_;
  std::sort(byAngle_.begin(), byAngle_.end(), [](const Pixel& l, const Pixel& r) {
    return l.angle != r.angle ? l.angle < r.angle : l.scan < r.scan;
  });
  box_ = box;
  area_ = area;
  traced_ = true;
}

void EllipseOutline::SectorPixels(const Sector& s, std::vector<TPoint>& out) const {
  out.clear();
  const std::size_t n = byAngle_.size();
  if (n == 0) return;
  // From a little before the start direction round to a little past the end;
  // a sector within the margins of a whole turn takes every pixel.
  const bool whole = s.sweep + 2 * kSearchMargin >= kTwoPi;
  const double reach = s.sweep + 2 * kSearchMargin;
  double from = s.start - kSearchMargin;
  if (from > kPi) from -= kTwoPi;
  std::size_t i = static_cast<std::size_t>(
      std::lower_bound(byAngle_.begin(), byAngle_.end(), from, [](const Pixel& p, double a) { return p.angle < a; }) -
      byAngle_.begin());
  // Found in angle order from before the start. Those of a part of a turn are in
  // offset order already (the pixels just before the start lie a turn away and
  // are left out), which each is checked against as it comes; those of a whole
  // turn are once rotated to the smallest offset. Where two offsets tie, the
  // order a sort gives is the scan's to decide.
  std::vector<double>& offsets = Offsets();
  offsets.clear();
  double last = -1;
  for (std::size_t k = 0; k < n; ++k, ++i) {
    if (i == n) i = 0;
    const Pixel& p = byAngle_[i];
    if (!whole) {
      double gap = p.angle - from;
      if (gap < 0) gap += kTwoPi;
      if (gap > reach) break;
    }
    const double offset = s.OffsetOf(p.angle);
    if (offset <= s.sweep + 1e-9) {
      if (whole) {
        offsets.push_back(offset);
      } else if (!(last < offset)) {
        SectorPixelsByScan(s, out);
        return;
      }
      last = offset;
      out.push_back(TPoint{p.x, p.y});
    }
  }
  const std::size_t m = out.size();
  if (!whole || m == 0) return;
  const std::size_t first =
      static_cast<std::size_t>(std::min_element(offsets.begin(), offsets.end()) - offsets.begin());
  for (std::size_t k = 1, at = first + 1; k < m; ++k, ++at) {
    if (at == m) at = 0;
    if (!(offsets[at == 0 ? m - 1 : at - 1] < offsets[at])) {
      SectorPixelsByScan(s, out);
      return;
    }
  }
  std::rotate(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(first), out.end());
}

void EllipseOutline::SectorPixelsByScan(const Sector& s, std::vector<TPoint>& out) const {
  static std::vector<std::pair<double, TPoint>> found;
  found.clear();
  for (const Pixel& p : scan_) {
    const double offset = s.OffsetOf(p.angle);
    if (offset <= s.sweep + 1e-9) found.push_back({offset, TPoint{p.x, p.y}});
  }
  std::sort(found.begin(), found.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
  out.clear();
  for (const auto& f : found) out.push_back(f.second);
}

TPoint EllipseOutline::Nearest(double angle, TPoint none) const {
  const std::size_t n = byAngle_.size();
  if (n == 0) return none;
  const auto distance = [angle](const Pixel& p) {
    const double d = WrapAngle(p.angle - angle);
    return std::min(d, kTwoPi - d);
  };
  const double a = angle > kPi ? angle - kTwoPi : angle;
  const std::size_t after = static_cast<std::size_t>(
      std::lower_bound(byAngle_.begin(), byAngle_.end(), a, [](const Pixel& p, double v) { return p.angle < v; }) -
      byAngle_.begin()) % n;
  const std::size_t before = (after + n - 1) % n;
  // The nearest pixel on either side bounds the search; every pixel within that
  // distance (and the margin) is measured exactly.
  const double reach = std::min(distance(byAngle_[after]), distance(byAngle_[before])) + kSearchMargin;
  const Pixel* best = nullptr;
  double bestD = 0;
  const auto consider = [&](const Pixel& p) {
    const double d = distance(p);
    if (!best || d < bestD || (d == bestD && p.scan < best->scan)) {
      best = &p;
      bestD = d;
    }
  };
  for (std::size_t k = 0, i = after; k < n; ++k, i = i + 1 == n ? 0 : i + 1) {
    double gap = byAngle_[i].angle - a;
    if (gap < 0) gap += kTwoPi;
    if (gap > reach) break;
    consider(byAngle_[i]);
  }
  for (std::size_t k = 0, i = before; k < n; ++k, i = i == 0 ? n - 1 : i - 1) {
    double gap = a - byAngle_[i].angle;
    if (gap < 0) gap += kTwoPi;
    if (gap > reach) break;
    consider(byAngle_[i]);
  }
  return best ? TPoint{best->x, best->y} : none;
}

}  // namespace pg::platform::soft
