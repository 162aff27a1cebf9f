#pragma once
// A polygon's edge crossings sorted into their rows, and each row's runs by the
// fill rule: what the floating-point and the whole-pixel polygon fills share.
// Each edge's crossings go straight into its rows' places: a slice's outline has
// one point per arc pixel, of which a row crosses two or three, and a row does
// not look through a list of the edges that might span it.
#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform::soft {

// Rounds up a value known to lie within the range of int: a test, not a
// library call, for work done per edge and per run.
inline int CeilToInt(double v) {
  const int i = static_cast<int>(v);
  return i + (v > i ? 1 : 0);
}
inline int CeilToInt(int v) { return v; }

// Corners are Points (x and y of one type), crossings lie at Positions.
template <typename Point, typename Position>
class RowCrossings {
 public:
  struct Crossing {
    Position x;
    int dir;  // +1 where the polygon's order runs down
  };
  struct Edge {
    Point a, b;      // in the polygon's order, which the crossing's sum follows
    int first, end;  // the rows it crosses: y with top <= y < bottom
    int dir;
    const Point& Top() const { return dir > 0 ? a : b; }
    const Point& Bottom() const { return dir > 0 ? b : a; }
  };

  // The edges of the closed polygon `points` that cross rows [y0, y1), each
  // counted in its rows.
  void Begin(std::span<const Point> points, int y0, int y1) {
    y0_ = y0;
    rows_ = static_cast<std::size_t>(y1 - y0);
    place_.assign(rows_ + 1, 0);
    edges_.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[i + 1 < points.size() ? i + 1 : 0];
      if (a.y == b.y) continue;
      const bool down = b.y > a.y;
      const auto top = down ? a.y : b.y, bottom = down ? b.y : a.y;
      if (top >= y1 || bottom <= y0_) continue;
      // Both ends rounded lie within [y0, y1] here.
      const int first = top <= y0_ ? y0_ : CeilToInt(top);
      const int end = bottom > y1 ? y1 : CeilToInt(bottom);
      if (first >= end) continue;
      ++place_[static_cast<std::size_t>(first - y0_)];
      --place_[static_cast<std::size_t>(end - y0_)];
      edges_.push_back(Edge{a, b, first, end, down ? 1 : -1});
    }
    Allocate();
  }
  const std::vector<Edge>& Edges() const { return edges_; }

  // The place of an edge's crossing with row `first`; its crossing with each
  // next row goes one further (Put advances the place).
  int* PlaceOf(int first) { return &place_[static_cast<std::size_t>(first - y0_)]; }
  void Put(int*& place, const Crossing& c) {
    xs_[static_cast<std::size_t>((*place)++)] = c;
    ++place;
  }

  // Calls span(y, from, to) for each run inside by the rule, from and to being
  // crossing positions; rows left to right, top to bottom.
  template <typename Span>
  void ForEachRun(int fillMode, Span&& span) {
    for (std::size_t r = 0; r < rows_; ++r) {
      // Filled, each row's place is where the next row's crossings begin.
      const int begin = r == 0 ? 0 : place_[r - 1];
      Crossing* const row = xs_.data() + begin;
      const auto n = static_cast<std::size_t>(place_[r] - begin);
      if (n < 2) continue;
      const int y = y0_ + static_cast<int>(r);
      if (n == 2) {
        // Most rows of most polygons: one run between the two, whichever the rule.
        if (row[1].x < row[0].x) span(y, row[1].x, row[0].x);
        else span(y, row[0].x, row[1].x);
        continue;
      }
      // A row mostly crosses a few edges: those are sorted in place, without the
      // general sort's set-up (crossings at the same place bound no pixels, so
      // their order among them is moot); a jagged polygon's many keep the sort.
      if (n <= 16) {
        for (std::size_t i = 1; i < n; ++i)
          for (std::size_t j = i; j > 0 && row[j].x < row[j - 1].x; --j) std::swap(row[j], row[j - 1]);
      } else {
        std::sort(row, row + n, [](const Crossing& l, const Crossing& rr) { return l.x < rr.x; });
      }
      if (fillMode == kWinding) {
        int winding = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
          winding += row[i].dir;
          if (winding != 0) span(y, row[i].x, row[i + 1].x);
        }
      } else {
        for (std::size_t i = 0; i + 1 < n; i += 2) span(y, row[i].x, row[i + 1].x);
      }
    }
  }

 private:
  // Each row's place becomes where its first crossing goes.
  void Allocate() {
    int total = 0, crossing = 0;
    for (std::size_t r = 0; r < rows_; ++r) {
      crossing += place_[r];  // edges that start here less those that ended
      place_[r] = total;
      total += crossing;
    }
    xs_.resize(static_cast<std::size_t>(total));
  }
  int y0_ = 0;
  std::size_t rows_ = 0;
  std::vector<Edge> edges_;
  std::vector<int> place_;  // per row, where its next crossing goes in xs_
  std::vector<Crossing> xs_;
};

}  // namespace pg::platform::soft
