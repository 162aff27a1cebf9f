#include "platform/soft/raster/coverage_buffer.h"

#include <vector>

namespace pg::platform::soft {

namespace {

// Buffers larger than this (a window far bigger than a chart's) go back to the
// system rather than stay held by the process.
constexpr std::size_t kKeepLimit = std::size_t{8} << 20;

// A paint holds at most a handful of coverages at once (a shape, its outline, the
// clip); more kept buffers would only hold memory.
constexpr std::size_t kKeepCount = 8;

std::vector<std::unique_ptr<CoverageBuffer>>& FreeBuffers() {
  static std::vector<std::unique_ptr<CoverageBuffer>> buffers = [] {
    std::vector<std::unique_ptr<CoverageBuffer>> v;
    v.reserve(kKeepCount);
    return v;
  }();
  return buffers;
}

}  // namespace

std::unique_ptr<CoverageBuffer> CoverageBuffer::Take(std::size_t pixels, std::size_t rows) {
  auto& free = FreeBuffers();
  // The smallest that fits, else the largest, grown.
  std::size_t pick = free.size();
  for (std::size_t i = 0; i < free.size(); ++i) {
    const CoverageBuffer& c = *free[i];
    if (c.pixelCapacity_ >= pixels && c.rowCapacity_ >= rows &&
        (pick == free.size() || c.pixelCapacity_ < free[pick]->pixelCapacity_))
      pick = i;
  }
  if (pick == free.size())
    for (std::size_t i = 0; i < free.size(); ++i)
      if (pick == free.size() || free[i]->pixelCapacity_ > free[pick]->pixelCapacity_) pick = i;
  std::unique_ptr<CoverageBuffer> b;
  if (pick < free.size()) {
    b = std::move(free[pick]);
    free.erase(free.begin() + static_cast<std::ptrdiff_t>(pick));
  } else {
    b.reset(new CoverageBuffer);
  }
  if (b->pixelCapacity_ < pixels) {
    b->bits_.reset();
    b->bits_.reset(new std::uint8_t[pixels]);
    b->pixelCapacity_ = pixels;
  }
  if (b->rowCapacity_ < rows) {
    b->rows_.reset();
    b->rows_.reset(new int[3 * rows]);
    b->rowCapacity_ = rows;
  }
  return b;
}

void CoverageBuffer::GiveBack(std::unique_ptr<CoverageBuffer> buffer) {
  if (!buffer || buffer->pixelCapacity_ > kKeepLimit) return;
  auto& free = FreeBuffers();
  if (free.size() >= kKeepCount) {
    // Keep the larger ones: they serve every later request.
    auto smallest = free.begin();
    for (auto it = free.begin(); it != free.end(); ++it)
      if ((*it)->pixelCapacity_ < (*smallest)->pixelCapacity_) smallest = it;
    if ((*smallest)->pixelCapacity_ >= buffer->pixelCapacity_) return;
    free.erase(smallest);
  }
  free.push_back(std::move(buffer));
}

}  // namespace pg::platform::soft
