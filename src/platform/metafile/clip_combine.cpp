#include "platform/metafile/clip_combine.h"

#include <algorithm>
#include <cmath>

namespace pg::platform::metafile {

std::vector<std::uint8_t> ClipMask(const Clip& clip, const TRect& bounds) {
  const int w = std::max(bounds.Width(), 0), h = std::max(bounds.Height(), 0);
  const auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); };
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), clip.kind == Clip::Kind::kNone);
  if (clip.kind == Clip::Kind::kRect) {
    const int left = std::max(clip.rect.left, bounds.left) - bounds.left,
              right = std::min(clip.rect.right, bounds.right) - bounds.left,
              top = std::max(clip.rect.top, bounds.top) - bounds.top,
              bottom = std::min(clip.rect.bottom, bounds.bottom) - bounds.top;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) mask[at(x, y)] = 1;
  } else if (clip.kind == Clip::Kind::kArea) {
    std::vector<double> crossings;
    for (int y = 0; y < h; ++y) {
      const double centre = bounds.top + y + 0.5;
      crossings.clear();
      for (const auto& ring : clip.rings)
        for (std::size_t i = 0; i < ring.size(); ++i) {
          const TPoint p = ring[i], q = ring[(i + 1) % ring.size()];
          if ((p.y <= centre) == (q.y <= centre)) continue;
          crossings.push_back(p.x + (centre - p.y) * (q.x - p.x) / (q.y - p.y));
        }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
        // Pixels whose centres lie in [from, to).
        const double from = std::ceil(crossings[k] - 0.5), to = std::ceil(crossings[k + 1] - 0.5);
        const int first = static_cast<int>(std::clamp(from - bounds.left, 0.0, double(w)));
        const int end = static_cast<int>(std::clamp(to - bounds.left, 0.0, double(w)));
        for (int x = first; x < end; ++x) mask[at(x, y)] = 1;
      }
    }
  }
  return mask;
}

Clip CombineClips(const Clip& a, const Clip& b, Combine mode, const TRect& bounds) {
  auto mask = ClipMask(a, bounds);
  const auto other = ClipMask(b, bounds);
  for (std::size_t i = 0; i < mask.size(); ++i) {
    switch (mode) {
      case Combine::kAnd: mask[i] &= other[i]; break;
      case Combine::kOr: mask[i] |= other[i]; break;
      case Combine::kXor: mask[i] ^= other[i]; break;
      case Combine::kDiff: mask[i] &= static_cast<std::uint8_t>(!other[i]); break;
      case Combine::kCopy: mask[i] = other[i]; break;
    }
  }
  // Runs of each row, grown downwards while the next row repeats them.
  const int w = std::max(bounds.Width(), 0), h = std::max(bounds.Height(), 0);
  std::vector<TRect> done, open, next;
  for (int y = 0; y < h; ++y) {
    next.clear();
    std::size_t k = 0;
    const std::uint8_t* row = mask.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
    for (int x = 0; x < w;) {
      if (!row[x]) {
        ++x;
        continue;
      }
      int end = x;
      while (end < w && row[end]) ++end;
      const int left = bounds.left + x, right = bounds.left + end, top = bounds.top + y;
      while (k < open.size() && open[k].left < left) done.push_back(open[k++]);
      if (k < open.size() && open[k].left == left && open[k].right == right) {
        TRect grown = open[k++];
        grown.bottom = top + 1;
        next.push_back(grown);
      } else {
        next.push_back(TRect{left, top, right, top + 1});
      }
      x = end;
    }
    while (k < open.size()) done.push_back(open[k++]);
    std::swap(open, next);
  }
  done.insert(done.end(), open.begin(), open.end());
  Clip out;
  if (done.size() <= 1) {
    out.kind = Clip::Kind::kRect;
    out.rect = done.empty() ? TRect{} : done[0];
    return out;
  }
  out.kind = Clip::Kind::kArea;
  for (const TRect& r : done)
    out.rings.push_back(RectRing(r));
  return out;
}

std::vector<TPoint> Bridged(std::span<const std::vector<TPoint>> rings) {
  std::vector<TPoint> out;
  if (rings.empty() || rings[0].empty()) return out;
  const TPoint anchor = rings[0][0];
  for (const auto& ring : rings) {
    if (ring.empty()) continue;
    out.insert(out.end(), ring.begin(), ring.end());
    out.push_back(ring[0]);
    out.push_back(anchor);
  }
  return out;
}

std::vector<TPoint> RectRing(const TRect& r) {
  return {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

TRect Meet(const TRect& a, const TRect& b) {
  TRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

}  // namespace pg::platform::metafile
