#pragma once
// The outlines of a set of pixels as closed figures along the pixels' edges,
// for text that becomes part of a path (the context draws text only as
// pixels): filled with either fill mode they cover exactly those pixels.
#include <functional>
#include <vector>

#include "platform/metafile/affine.h"

namespace pg::platform::metafile {

// The set pixels of a width x height grid, given by set(x, y); corners are
// (x, y) for the top left of pixel (x, y). Each figure runs with its pixels on
// its right as y grows down (holes the other way), without points between
// corners on one straight edge.
std::vector<std::vector<PointD>> PixelOutlines(int width, int height, const std::function<bool(int, int)>& set);

}  // namespace pg::platform::metafile
