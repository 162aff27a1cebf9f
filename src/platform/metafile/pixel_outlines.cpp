#include "platform/metafile/pixel_outlines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>

namespace pg::platform::metafile {

std::vector<std::vector<PointD>> PixelOutlines(int width, int height, const std::function<bool(int, int)>& set) {
  std::vector<std::vector<PointD>> figures;
  if (width <= 0 || height <= 0) return figures;
  // Each pixel asked once: the walk below looks at every pixel five times.
  std::vector<std::uint8_t> on(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0, i = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, ++i) on[static_cast<std::size_t>(i)] = set(x, y) ? 1 : 0;
  const auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < height &&
           on[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] != 0;
  };
  const std::size_t stride = static_cast<std::size_t>(width) + 1;
  const auto corner = [&](int x, int y) { return static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x); };
  // Each edge between a set pixel and one not set, from corner to corner; a
  // corner starts at most two (where two pixels touch only diagonally).
  struct Edge {
    std::size_t from, to;
    bool used = false;
  };
  std::vector<Edge> edges;
  const auto add = [&](std::size_t from, std::size_t to) { edges.push_back({from, to}); };
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!inside(x, y)) continue;
      if (!inside(x, y - 1)) add(corner(x, y), corner(x + 1, y));
      if (!inside(x + 1, y)) add(corner(x + 1, y), corner(x + 1, y + 1));
      if (!inside(x, y + 1)) add(corner(x + 1, y + 1), corner(x, y + 1));
      if (!inside(x - 1, y)) add(corner(x, y + 1), corner(x, y));
    }
  const auto point = [&](std::size_t c) { return PointD{double(c % stride), double(c / stride)}; };
  // The edges by the corner they start from, in the order they were found: an
  // index the size of the edges, not of the picture's corners (a large text's
  // picture has millions of corners and few edges).
  std::vector<std::size_t> byStart(edges.size());
  std::iota(byStart.begin(), byStart.end(), std::size_t{0});
  std::stable_sort(byStart.begin(), byStart.end(),
                   [&](std::size_t a, std::size_t b) { return edges[a].from < edges[b].from; });
  const auto unusedFrom = [&](std::size_t c) -> std::optional<std::size_t> {
    auto it = std::lower_bound(byStart.begin(), byStart.end(), c,
                               [&](std::size_t e, std::size_t corner) { return edges[e].from < corner; });
    for (; it != byStart.end() && edges[*it].from == c; ++it)
      if (!edges[*it].used) return *it;
    return std::nullopt;
  };
  for (std::size_t start = 0; start < edges.size(); ++start) {
    if (edges[start].used) continue;
    std::vector<PointD> figure;
    std::size_t e = start;
    while (!edges[e].used) {
      edges[e].used = true;
      const PointD p = point(edges[e].from);
      // A corner on a straight run adds nothing.
      if (figure.size() >= 2) {
        const PointD a = figure[figure.size() - 2], b = figure.back();
        if ((a.x == b.x && b.x == p.x) || (a.y == b.y && b.y == p.y)) figure.pop_back();
      }
      figure.push_back(p);
      const std::optional<std::size_t> next = unusedFrom(edges[e].to);
      if (!next) break;
      e = *next;
    }
    if (figure.size() >= 3) figures.push_back(std::move(figure));
  }
  return figures;
}

}  // namespace pg::platform::metafile
