#include "platform/metafile/stroker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/metafile/gdi_objects.h"

namespace pg::platform::metafile {

namespace {

double SignedArea(const std::vector<PointD>& ring) {
  double a = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const PointD p = ring[i], q = ring[(i + 1) % ring.size()];
    a += p.x * q.y - q.x * p.y;
  }
  return a / 2;
}

void Add(std::vector<std::vector<PointD>>& out, std::vector<PointD> ring) {
  if (ring.size() < 3) return;
  if (SignedArea(ring) < 0) std::reverse(ring.begin(), ring.end());
  out.push_back(std::move(ring));
}

std::vector<PointD> Disc(PointD c, double r) {
  const int n = std::isfinite(r) ? static_cast<int>(std::clamp(r * 2, 8.0, 64.0)) : 8;
  std::vector<PointD> ring;
  for (int k = 0; k < n; ++k) {
    const double t = 2 * std::numbers::pi * k / n;
    ring.push_back({c.x + r * std::cos(t), c.y + r * std::sin(t)});
  }
  return ring;
}

}  // namespace

std::vector<std::vector<PointD>> StrokeOutline(std::span<const PointD> input, bool closed, double width,
                                               std::uint32_t penStyle, double miterLimit) {
  std::vector<std::vector<PointD>> out;
  // Repeated points make no direction.
  std::vector<PointD> pts;
  for (const PointD& p : input)
    if (pts.empty() || std::hypot(p.x - pts.back().x, p.y - pts.back().y) > 1e-9) pts.push_back(p);
  if (closed && pts.size() > 2 && std::hypot(pts[0].x - pts.back().x, pts[0].y - pts.back().y) <= 1e-9) pts.pop_back();
  const double h = width / 2;
  const std::uint32_t cap = penStyle & kPsEndCapMask, join = penStyle & kPsJoinMask;
  if (pts.size() == 1) {
    if (cap == kPsEndCapRound) Add(out, Disc(pts[0], h));
    else if (cap == kPsEndCapSquare)
      Add(out, {{pts[0].x - h, pts[0].y - h}, {pts[0].x + h, pts[0].y - h}, {pts[0].x + h, pts[0].y + h}, {pts[0].x - h, pts[0].y + h}});
    return out;
  }
  if (pts.size() < 2) return out;
  const std::size_t segments = closed ? pts.size() : pts.size() - 1;
  const auto dir = [&](std::size_t i) {
    const PointD a = pts[i % pts.size()], b = pts[(i + 1) % pts.size()];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    return PointD{(b.x - a.x) / len, (b.y - a.y) / len};
  };
  for (std::size_t i = 0; i < segments; ++i) {
    PointD a = pts[i], b = pts[(i + 1) % pts.size()];
    const PointD d = dir(i), n{-d.y * h, d.x * h};
    if (!closed && cap == kPsEndCapSquare) {
      if (i == 0) a = {a.x - d.x * h, a.y - d.y * h};
      if (i + 1 == segments) b = {b.x + d.x * h, b.y + d.y * h};
    }
    Add(out, {{a.x + n.x, a.y + n.y}, {b.x + n.x, b.y + n.y}, {b.x - n.x, b.y - n.y}, {a.x - n.x, a.y - n.y}});
  }
  if (!closed && cap == kPsEndCapRound) {
    Add(out, Disc(pts.front(), h));
    Add(out, Disc(pts.back(), h));
  }
  // Joins at every inner vertex (every vertex of a closed figure).
  const std::size_t first = closed ? 0 : 1, last = closed ? pts.size() : pts.size() - 1;
  for (std::size_t v = first; v < last; ++v) {
    const PointD p = pts[v];
    const PointD din = dir((v + pts.size() - 1) % pts.size()), dout = dir(v);
    const double cross = din.x * dout.y - din.y * dout.x;
    if (std::fabs(cross) < 1e-12 && din.x * dout.x + din.y * dout.y > 0) continue;  // straight on
    if (join == kPsJoinRound) {
      Add(out, Disc(p, h));
      continue;
    }
    // The outer side of the turn.
    const double s = cross > 0 ? -1 : 1;
    const PointD o1{p.x - din.y * h * s, p.y + din.x * h * s}, o2{p.x - dout.y * h * s, p.y + dout.x * h * s};
    if (join == kPsJoinMiter) {
      const double cosHalf = std::sqrt(std::max(0.0, (1 + din.x * dout.x + din.y * dout.y) / 2));
      if (cosHalf > 1e-9 && 1 / cosHalf <= miterLimit) {
        const PointD bis{o1.x + o2.x - 2 * p.x, o1.y + o2.y - 2 * p.y};
        const double bl = std::hypot(bis.x, bis.y);
        if (bl > 1e-12) {
          const double m = h / cosHalf;
          Add(out, {p, o1, {p.x + bis.x / bl * m, p.y + bis.y / bl * m}, o2});
          continue;
        }
      }
    }
    Add(out, {p, o1, o2});
  }
  return out;
}

}  // namespace pg::platform::metafile
