#include "engine/series/marks_layout.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace pg::engine {

using platform::TPoint;
using platform::TRect;

namespace {

std::int64_t Cross(TPoint o, TPoint a, TPoint b) {
  return static_cast<std::int64_t>(a.x - o.x) * (b.y - o.y) - static_cast<std::int64_t>(a.y - o.y) * (b.x - o.x);
}

int Sign(std::int64_t v) { return (v > 0) - (v < 0); }

bool OnSegment(TPoint a, TPoint b, TPoint p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// Whether the standard places already satisfy every rule of the layout.
bool StandardIsClear(const std::vector<TMarkLayoutInput>& marks, const TMarkLayoutSpace& space) {
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const auto& m = marks[i];
    if (!RectInside(m.box, space.window)) return false;
    for (const auto& o : space.obstacles)
      if (RectsOverlap(m.box, o)) return false;
    for (std::size_t j = i + 1; j < marks.size(); ++j) {
      const auto& n = marks[j];
      if (RectsOverlap(m.box, n.box)) return false;
      if (LeadersCross(std::array{m.anchor, m.label}, std::array{n.anchor, n.label})) return false;
    }
    for (std::size_t j = 0; j < marks.size(); ++j)
      if (j != i && SegmentMeetsRect(m.anchor, m.label, marks[j].box)) return false;
  }
  return true;
}

// Cuts the obstacles out of a column's free rectangle. The column's inner edge
// (next to the pie) stays where it is; each obstacle costs the free rectangle
// its top, its bottom or its outer part, whichever leaves the most room for
// boxes of the given width.
TRect FreeColumn(TRect free, bool rightSide, int width, const std::vector<TRect>& obstacles) {
  for (const auto& o : obstacles) {
    if (!RectsOverlap(free, o)) continue;
    TRect cuts[3] = {free, free, free};
    cuts[0].bottom = std::max(free.top, o.top);
    cuts[1].top = std::min(free.bottom, o.bottom);
    if (rightSide)
      cuts[2].right = std::max(free.left, o.left);
    else
      cuts[2].left = std::min(free.right, o.right);
    auto room = [&](const TRect& r) -> std::int64_t {
      const std::int64_t area = static_cast<std::int64_t>(std::max(0, r.Width())) * std::max(0, r.Height());
      return r.Width() >= width ? area + (std::int64_t{1} << 50) : area;
    };
    free = *std::max_element(std::begin(cuts), std::end(cuts),
                             [&](const TRect& a, const TRect& b) { return room(a) < room(b); });
  }
  return free;
}

// The least room between the pie and a column, so that a line still shows.
constexpr int kMinGap = 2;
// Pairs of leaders compared before a column that keeps crossing is thinned to
// its heaviest marks (a few milliseconds' work), and how many it keeps.
constexpr std::int64_t kMaxLeaderLooks = 2'000'000;
constexpr std::size_t kCrowdedColumn = 64;

struct ColumnMark {
  std::size_t input;  // into the input
  int width, height;
  int wanted;  // top of the box, as near its standard place
  int top = 0;
};

// Tops that keep the boxes in order and apart, each as near its wanted top as
// the others allow: pushed down past the one above, then up from the bottom.
void Stack(std::vector<ColumnMark>& column, const std::vector<std::size_t>& order, int top, int bottom) {
  int limit = top;
  for (std::size_t k : order) {
    auto& c = column[k];
    c.top = std::max(std::min(c.wanted, bottom - c.height), limit);
    limit = c.top + c.height;
  }
  limit = bottom;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    auto& c = column[*it];
    c.top = std::min(c.top, limit - c.height);
    limit = c.top;
  }
}

void LayOutColumn(const std::vector<TMarkLayoutInput>& marks, const std::vector<std::size_t>& side, bool rightSide,
                  const TMarkLayoutSpace& space, std::vector<TMarkLayoutOutput>& out) {
  if (side.empty()) return;
  // The inner edge: beyond the pie and every anchor of this side, so that the
  // leaders reach the boxes from inside and meet no other box on the way.
  int edge = rightSide ? space.pie.right : space.pie.left - 1;
  for (std::size_t i : side)
    edge = rightSide ? std::max(edge, marks[i].anchor.x + 1) : std::min(edge, marks[i].anchor.x - 1);

  int widest = 0;
  for (std::size_t i : side) widest = std::max(widest, marks[i].box.Width());
  auto columnAt = [&](int gap) {
    TRect free = space.window;
    if (rightSide)
      free.left = std::max(free.left, edge + gap);
    else
      free.right = std::min(free.right, edge - gap + 1);
    return FreeColumn(free, rightSide, widest, space.obstacles);
  };
  TRect free = columnAt(space.gap);
  // A column too narrow for its widest box gives up some of the gap before a
  // box is dropped: a short line beats a missing mark.
  if (widest > free.Width() && space.gap > kMinGap) {
    const TRect narrower = columnAt(std::max(kMinGap, space.gap - (widest - std::max(0, free.Width()))));
    if (narrower.Width() > free.Width()) free = narrower;
  }
  if (free.Width() <= 0 || free.Height() <= 0) return;  // all dropped

  std::vector<ColumnMark> column;
  for (std::size_t i : side) {
    const auto& b = marks[i].box;
    if (b.Width() > free.Width() || b.Height() > free.Height() || b.Width() <= 0 || b.Height() <= 0) continue;
    const int middle = static_cast<int>((static_cast<std::int64_t>(b.top) + b.bottom) / 2);
    column.push_back({i, b.Width(), b.Height(), middle - b.Height() / 2});
  }
  // In the order of the anchors down the side.
  std::vector<std::size_t> order(column.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const auto& pa = marks[column[a].input].anchor;
    const auto& pb = marks[column[b].input].anchor;
    if (pa.y != pb.y) return pa.y < pb.y;
    return rightSide ? pa.x > pb.x : pa.x < pb.x;
  });
  auto dropLightest = [&](const std::vector<std::size_t>& among) {
    auto lightest = std::min_element(among.begin(), among.end(), [&](std::size_t a, std::size_t b) {
      return marks[column[a].input].weight < marks[column[b].input].weight;
    });
    const std::size_t gone = *lightest;
    order.erase(std::find(order.begin(), order.end(), gone));
  };
  auto totalHeight = [&] {
    std::int64_t h = 0;
    for (std::size_t k : order) h += column[k].height;
    return h;
  };
  while (!order.empty() && totalHeight() > free.Height()) dropLightest(order);

  auto leaderOf = [&](std::size_t k) {
    const auto& c = column[k];
    const int x = rightSide ? free.left : free.right - 1;
    return std::array<TPoint, 2>{marks[c.input].anchor, TPoint{x, c.top + c.height / 2}};
  };
  // Leaders to one vertical line rarely cross in the anchors' order; where two
  // do, they swap places, and a pair that keeps crossing loses its lighter mark.
  // Each round looks at every pair: a column of hundreds of tiny marks took
  // seconds a paint, so past a number of looks the column keeps only its
  // heaviest marks, few enough to sort out at once.
  std::size_t swapBudget = 4 * order.size() + 8, swaps = 0;
  std::int64_t looks = 0;
  for (;;) {
    Stack(column, order, free.top, free.bottom);
    bool crossed = false;
    for (std::size_t a = 0; a < order.size() && !crossed; ++a) {
      const auto la = leaderOf(order[a]);
      for (std::size_t b = a + 1; b < order.size() && !crossed; ++b) {
        ++looks;
        if (!LeadersCross(la, leaderOf(order[b]))) continue;
        crossed = true;
        if (swaps++ < swapBudget)
          std::swap(order[a], order[b]);
        else
          dropLightest({order[a], order[b]});
      }
    }
    if (!crossed) break;
    if (looks > kMaxLeaderLooks && order.size() > kCrowdedColumn) {
      while (order.size() > kCrowdedColumn) dropLightest(order);
      swapBudget = swaps + 4 * order.size() + 8;
      looks = 0;
    }
  }

  for (std::size_t k : order) {
    const auto& c = column[k];
    auto& o = out[c.input];
    o.dropped = false;
    const int left = rightSide ? free.left : free.right - c.width;
    o.box = TRect{left, c.top, left + c.width, c.top + c.height};
    const auto leader = leaderOf(k);
    o.leader.assign(leader.begin(), leader.end());
  }
}

}  // namespace

bool RectsOverlap(const TRect& a, const TRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom && a.Width() > 0 &&
         a.Height() > 0 && b.Width() > 0 && b.Height() > 0;
}

bool RectInside(const TRect& inner, const TRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool SegmentsMeet(TPoint a, TPoint b, TPoint c, TPoint d) {
  const int d1 = Sign(Cross(c, d, a)), d2 = Sign(Cross(c, d, b));
  const int d3 = Sign(Cross(a, b, c)), d4 = Sign(Cross(a, b, d));
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  return (d1 == 0 && OnSegment(c, d, a)) || (d2 == 0 && OnSegment(c, d, b)) || (d3 == 0 && OnSegment(a, b, c)) ||
         (d4 == 0 && OnSegment(a, b, d));
}

bool SegmentMeetsRect(TPoint a, TPoint b, const TRect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return false;
  const TRect px{r.left, r.top, r.right - 1, r.bottom - 1};  // the last pixels, inclusive
  auto inside = [&](TPoint p) { return p.x >= px.left && p.x <= px.right && p.y >= px.top && p.y <= px.bottom; };
  if (inside(a) || inside(b)) return true;
  const TPoint c[4] = {{px.left, px.top}, {px.right, px.top}, {px.right, px.bottom}, {px.left, px.bottom}};
  for (int i = 0; i < 4; ++i)
    if (SegmentsMeet(a, b, c[i], c[(i + 1) % 4])) return true;
  return false;
}

bool LeadersCross(std::span<const TPoint> a, std::span<const TPoint> b) {
  for (std::size_t i = 0; i + 1 < a.size(); ++i) {
    for (std::size_t j = 0; j + 1 < b.size(); ++j) {
      if (!SegmentsMeet(a[i], a[i + 1], b[j], b[j + 1])) continue;
      // Two leaders out of one anchor part there and nowhere else.
      if (i == 0 && j == 0 && a[0] == b[0]) {
        const bool collinear = Cross(a[0], a[1], b[1]) == 0 &&
                               static_cast<std::int64_t>(a[1].x - a[0].x) * (b[1].x - b[0].x) +
                                       static_cast<std::int64_t>(a[1].y - a[0].y) * (b[1].y - b[0].y) > 0;
        if (!collinear) continue;
      }
      return true;
    }
  }
  return false;
}

std::vector<TMarkLayoutOutput> LayoutMarksNoOverlap(const std::vector<TMarkLayoutInput>& marks,
                                                    const TMarkLayoutSpace& space) {
  std::vector<TMarkLayoutOutput> out(marks.size());
  if (StandardIsClear(marks, space)) {
    for (std::size_t i = 0; i < marks.size(); ++i)
      out[i] = {marks[i].index, false, marks[i].box, {marks[i].anchor, marks[i].label}};
    return out;
  }
  std::vector<std::size_t> right, left;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    out[i].index = marks[i].index;
    out[i].dropped = true;
    (marks[i].anchor.x > space.centerX ? right : left).push_back(i);
  }
  LayOutColumn(marks, right, true, space, out);
  LayOutColumn(marks, left, false, space, out);
  return out;
}

}  // namespace pg::engine
