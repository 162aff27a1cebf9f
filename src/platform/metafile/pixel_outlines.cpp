#include "platform/metafile/pixel_outlines.h"

#include <cstddef>
#include <cstdint>

namespace pg::platform::metafile {

std::vector<std::vector<PointD>> PixelOutlines(int width, int height, const std::function<bool(int, int)>& set) {
  std::vector<std::vector<PointD>> figures;
  if (width <= 0 || height <= 0) return figures;
  const auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < width && y < height && set(x, y); };
  const std::size_t stride = static_cast<std::size_t>(width) + 1;
  const auto corner = [&](int x, int y) { return static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x); };
  // Each edge between a set pixel and one not set, from corner to corner; a
  // corner starts at most two (where two pixels touch only diagonally).
  struct Edge {
    std::size_t from, to;
    bool used = false;
  };
  std::vector<Edge> edges;
  std::vector<std::int32_t> first(stride * (static_cast<std::size_t>(height) + 1), -1), second(first.size(), -1);
  const auto add = [&](std::size_t from, std::size_t to) {
    (first[from] < 0 ? first[from] : second[from]) = static_cast<std::int32_t>(edges.size());
    edges.push_back({from, to});
  };
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!inside(x, y)) continue;
      if (!inside(x, y - 1)) add(corner(x, y), corner(x + 1, y));
      if (!inside(x + 1, y)) add(corner(x + 1, y), corner(x + 1, y + 1));
      if (!inside(x, y + 1)) add(corner(x + 1, y + 1), corner(x, y + 1));
      if (!inside(x - 1, y)) add(corner(x, y + 1), corner(x, y));
    }
  const auto point = [&](std::size_t c) { return PointD{double(c % stride), double(c / stride)}; };
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
      const std::size_t next = edges[e].to;
      const std::int32_t a = first[next], b = second[next];
      if (a >= 0 && !edges[static_cast<std::size_t>(a)].used) e = static_cast<std::size_t>(a);
      else if (b >= 0 && !edges[static_cast<std::size_t>(b)].used) e = static_cast<std::size_t>(b);
      else break;
    }
    if (figure.size() >= 3) figures.push_back(std::move(figure));
  }
  return figures;
}

}  // namespace pg::platform::metafile
