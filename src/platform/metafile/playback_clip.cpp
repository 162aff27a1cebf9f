// The playback's clip: rectangles, paths and region records combined as GDI
// combines them, and handed to the device context.
#include <algorithm>
#include <cmath>

#include "platform/metafile/clip_combine.h"
#include "platform/metafile/playback.h"

namespace pg::platform::metafile {

namespace {

// The part of a ring inside a rectangle (Sutherland-Hodgman, one edge at a time).
std::vector<TPoint> CutToRect(const std::vector<TPoint>& ring, const TRect& r) {
  std::vector<PointD> cur;
  for (const TPoint& p : ring) cur.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  const auto cut = [&](auto inside, auto meet) {
    std::vector<PointD> next;
    for (std::size_t i = 0; i < cur.size(); ++i) {
      const PointD a = cur[i], b = cur[(i + 1) % cur.size()];
      const bool ia = inside(a), ib = inside(b);
      if (ia) next.push_back(a);
      if (ia != ib) next.push_back(meet(a, b));
    }
    cur.swap(next);
  };
  const auto onX = [](double x) {
    return [x](PointD a, PointD b) { return PointD{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
  };
  const auto onY = [](double y) {
    return [y](PointD a, PointD b) { return PointD{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
  };
  cut([&](PointD p) { return p.x >= r.left; }, onX(r.left));
  cut([&](PointD p) { return p.x <= r.right; }, onX(r.right));
  cut([&](PointD p) { return p.y >= r.top; }, onY(r.top));
  cut([&](PointD p) { return p.y <= r.bottom; }, onY(r.bottom));
  std::vector<TPoint> out;
  for (const PointD& p : cur) out.push_back({static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))});
  return out;
}

constexpr int kFar = 1 << 24;
constexpr TRect kEverywhere{-kFar, -kFar, kFar, kFar};

}  // namespace

void Playback::ApplyClip() {
  const Clip& c = state_.clip;
  // The context walks every edge on every row it clips.
  std::size_t points = 0;
  for (const auto& ring : c.rings) points += ring.size();
  Charge(static_cast<long long>(points) * std::min(surface_.cy, 4096) + 1);
  switch (c.kind) {
    case Clip::Kind::kNone: dc_.RemoveClip(); break;
    case Clip::Kind::kRect: dc_.ClipRect(c.rect); break;
    case Clip::Kind::kArea: dc_.ClipPolygon(Bridged(c.rings)); break;
  }
}

void Playback::ClipWith(Clip c, int mode) {
  Clip& cur = state_.clip;
  const auto rings = [](const Clip& k) {
    return k.kind == Clip::Kind::kRect ? std::vector<std::vector<TPoint>>{RectRing(k.rect)}
           : k.kind == Clip::Kind::kArea ? k.rings
                                         : std::vector<std::vector<TPoint>>{RectRing(kEverywhere)};
  };
  const auto combine = static_cast<Combine>(mode);
  const TRect surface{0, 0, surface_.cx, surface_.cy};
  const long long pixels = static_cast<long long>(surface.Width()) * surface.Height();
  if (mode < static_cast<int>(Combine::kAnd) || mode > static_cast<int>(Combine::kCopy)) return;
  if (combine == Combine::kCopy) {
    cur = std::move(c);
  } else if (combine == Combine::kAnd && cur.kind == Clip::Kind::kNone) {
    cur = std::move(c);
  } else if (combine == Combine::kAnd && c.kind == Clip::Kind::kNone) {
  } else if (combine == Combine::kAnd && cur.kind == Clip::Kind::kRect && c.kind == Clip::Kind::kRect) {
    cur.rect = Meet(cur.rect, c.rect);
  } else if (combine == Combine::kOr && (cur.kind == Clip::Kind::kNone || c.kind == Clip::Kind::kNone)) {
    cur = Clip{};
  } else if (pixels > 0 && pixels <= kMaxClipMaskPixels && maskWork_ + pixels <= kClipMaskAllowance) {
    // Exact, pixel by pixel over the surface, as GDI combines regions.
    // Weighed by the pixels and edges it walks: a file of many combinations
    // runs out of budget rather than into a long paint.
    std::size_t edges = c.rings.size() * 4;
    for (const auto& ring : cur.rings) edges += ring.size();
    Charge(pixels / 4 + static_cast<long long>(edges) * surface.Height() / 8 + 1);
    if (Spent()) return;
    maskWork_ += pixels;
    cur = CombineClips(cur, c, combine, surface);
  } else if (combine == Combine::kAnd) {
    // Beyond a mask's reach (or the masks a play affords): a shape cut to a
    // rectangle; two shapes keep the newer.
    if (cur.kind == Clip::Kind::kRect || c.kind == Clip::Kind::kRect) {
      const TRect r = cur.kind == Clip::Kind::kRect ? cur.rect : c.rect;
      Clip area = cur.kind == Clip::Kind::kRect ? std::move(c) : std::move(cur);
      for (auto& ring : area.rings) ring = CutToRect(ring, r);
      cur = std::move(area);
    } else {
      cur = std::move(c);
    }
  } else {
    // Odd-even over both: the new rings cut holes into the old area (exact
    // for a difference of something inside, and for exclusive or). The rings
    // stop growing at kMaxClipPoints: what comes after leaves the clip as it is.
    Clip area;
    area.kind = Clip::Kind::kArea;
    area.rings = rings(cur);
    for (auto& ring : rings(c)) area.rings.push_back(std::move(ring));
    std::size_t points = 0;
    for (const auto& ring : area.rings) points += ring.size();
    if (points <= kMaxClipPoints) cur = std::move(area);
  }
  ApplyClip();
}

namespace {

// A rectangle given by two device corners: a rect when the map keeps axes.
Clip RectClip(const Affine& m, PointD a, PointD b, auto pixel) {
  Clip c;
  if (m.AxisAligned()) {
    const TPoint p = pixel(m.Apply(a)), q = pixel(m.Apply(b));
    c.kind = Clip::Kind::kRect;
    c.rect = TRect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
  } else {
    c.kind = Clip::Kind::kArea;
    c.rings.push_back({pixel(m.Apply(a)), pixel(m.Apply({b.x, a.y})), pixel(m.Apply(b)), pixel(m.Apply({a.x, b.y}))});
  }
  return c;
}

}  // namespace

void Playback::IntersectClipRect(PointD a, PointD b) {
  ClipWith(RectClip(ToDevice(), a, b, [this](PointD p) { return Pixel(p); }), static_cast<int>(Combine::kAnd));
}

void Playback::ExcludeClipRect(PointD a, PointD b) {
  ClipWith(RectClip(ToDevice(), a, b, [this](PointD p) { return Pixel(p); }), static_cast<int>(Combine::kDiff));
}

void Playback::SelectClipRects(std::span<const TRect> rects, int mode, bool logical) {
  const Affine& m = logical ? ToDevice() : placement_;
  if (rects.empty()) {
    // No region: a copy draws everywhere again, the rest change nothing.
    if (mode == static_cast<int>(Combine::kCopy)) {
      state_.clip = Clip{};
      ApplyClip();
    }
    return;
  }
  const auto pixel = [this](PointD p) { return Pixel(p); };
  Clip c;
  if (rects.size() == 1) {
    c = RectClip(m, {double(rects[0].left), double(rects[0].top)}, {double(rects[0].right), double(rects[0].bottom)},
                 pixel);
  } else {
    c.kind = Clip::Kind::kArea;
    for (const TRect& r : rects) {
      Clip one = RectClip(m, {double(r.left), double(r.top)}, {double(r.right), double(r.bottom)}, pixel);
      c.rings.push_back(one.kind == Clip::Kind::kRect ? RectRing(one.rect) : std::move(one.rings[0]));
    }
  }
  ClipWith(std::move(c), mode);
}

void Playback::OffsetClip(PointD by) {
  // GDI scales the offset by the window and viewport alone: neither the world
  // transform nor the placement of the played picture stretch it.
  const PointD d = PageTransform().ApplyLinear(by);
  // Offsets add up record by record: each sum is held again.
  const double dx = HeldInt(d.x), dy = HeldInt(d.y);
  Clip& c = state_.clip;
  if (c.kind == Clip::Kind::kRect)
    c.rect = TRect{HeldInt(c.rect.left + dx), HeldInt(c.rect.top + dy), HeldInt(c.rect.right + dx),
                   HeldInt(c.rect.bottom + dy)};
  for (auto& ring : c.rings)
    for (TPoint& p : ring) p = TPoint{HeldInt(p.x + dx), HeldInt(p.y + dy)};
  ApplyClip();
}

}  // namespace pg::platform::metafile
