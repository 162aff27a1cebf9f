// Bitmap copies of the soft device context, with GDI's pixel choices when
// stretching.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/bitmap.h"
#include "platform/stretch_steps.h"
#include "platform/soft/bitmap_impl.h"
#include "platform/soft/picture/color_reduction.h"
#include "platform/soft/soft_device_context.h"

namespace pg::platform::soft {

namespace {

std::uint32_t Combine(BlitRop rop, std::uint32_t src, std::uint32_t dest) {
  switch (rop) {
    case BlitRop::kSrcPaint: return src | dest;
    case BlitRop::kSrcAnd: return src & dest;
    case BlitRop::kSrcInvert: return (src ^ dest) & 0xFFFFFF;
    case BlitRop::kSrcCopy: break;
  }
  return src;
}

struct Step {
  int target, source;
};

// The destination steps that land inside [0, limit), each with its target and
// source coordinate.
std::vector<Step> VisibleSteps(int count, int origin, int dir, int limit, int srcCount, int srcOrigin, int srcDir,
                               bool across) {
  const long long first = dir > 0 ? std::max(0LL, -static_cast<long long>(origin))
                                  : std::max(0LL, static_cast<long long>(origin) - limit + 1);
  const long long end = dir > 0 ? std::min<long long>(count, static_cast<long long>(limit) - origin)
                                : std::min<long long>(count, static_cast<long long>(origin) + 1);
  std::vector<Step> out;
  for (long long k = first; k < end; ++k)
    out.push_back(Step{static_cast<int>(origin + dir * k),
                       srcOrigin + StretchSourceStep(k, count, srcCount, across) * srcDir});
  return out;
}

TRect Clamped(const TRect& r) {
  constexpr int kLimit = 1 << 27;
  return TRect{std::clamp(r.left, -kLimit, kLimit), std::clamp(r.top, -kLimit, kLimit),
               std::clamp(r.right, -kLimit, kLimit), std::clamp(r.bottom, -kLimit, kLimit)};
}

}  // namespace

void SoftDeviceContext::BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                               BlitRop rop) {
  constexpr int kLimit = 1 << 27;
  x = std::clamp(x, -kLimit, kLimit), y = std::clamp(y, -kLimit, kLimit);
  srcX = std::clamp(srcX, -kLimit, kLimit), srcY = std::clamp(srcY, -kLimit, kLimit);
  width = std::clamp(width, 0, kLimit), height = std::clamp(height, 0, kLimit);
  StretchBlt(TRect{x, y, x + width, y + height}, src, TRect{srcX, srcY, srcX + width, srcY + height}, rop);
}

// A copy at the same size from another surface, row by row: the same pixels the
// stepping below picks (each destination pixel takes the source pixel at the
// same offset), without building the step tables and the whole copy first.
void SoftDeviceContext::CopyUnscaled(const TRect& dest, const Surface& from, int srcX, int srcY, BlitRop rop) {
  const int x0 = std::max(dest.left, 0), x1 = std::min(dest.right, surface_.Width());
  const int y0 = std::max(dest.top, 0), y1 = std::min(dest.bottom, surface_.Height());
  for (int y = y0; y < y1; ++y) {
    const int sy = srcY + (y - dest.top);
    if (sy < 0 || sy >= from.Height()) continue;
    // The columns whose source pixel lies inside the source.
    const int dx = srcX - dest.left;
    const int a = std::max(x0, -dx), b = std::min(x1, from.Width() - dx);
    if (a >= b) continue;
    const std::uint32_t* in = from.Row(sy) + (a + dx);
    std::uint32_t* out = surface_.Row(y) + a;
    const int n = b - a;
    if (rop == BlitRop::kSrcCopy && !clip_ && !surface_.Mono()) {
      // Pixels are stored as 0x00RRGGBB and read masked, so a plain copy of the
      // row is the masked copy.
      std::memcpy(out, in, static_cast<std::size_t>(n) * sizeof *out);
      continue;
    }
    for (int i = 0; i < n; ++i) {
      if (clip_ && !clip_->Has(a + i, y)) continue;
      const std::uint32_t px = surface_.Mono() ? ReduceCopiedColor(in[i] & 0xFFFFFF) : in[i] & 0xFFFFFF;
      out[i] = Combine(rop, px, out[i] & 0xFFFFFF);
    }
  }
}

void SoftDeviceContext::StretchBlt(const TRect& destIn, const Bitmap& src, const TRect& srcIn, BlitRop rop) {
  const TRect dest = Clamped(destIn), srcRect = Clamped(srcIn);
  const Surface& from = *src.impl().surface;
  const int dw = std::abs(dest.Width()), dh = std::abs(dest.Height());
  const int sw = std::abs(srcRect.Width()), sh = std::abs(srcRect.Height());
  if (from.Width() == 0 || dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
  const int dxStep = dest.Width() < 0 ? -1 : 1, dyStep = dest.Height() < 0 ? -1 : 1;
  const int sxStep = srcRect.Width() < 0 ? -1 : 1, syStep = srcRect.Height() < 0 ? -1 : 1;
  if (&from != &surface_ && dest.Width() == srcRect.Width() && dest.Height() == srcRect.Height() && dxStep > 0 &&
      dyStep > 0) {
    CopyUnscaled(dest, from, srcRect.left, srcRect.top, rop);
    return;
  }
  const auto cols = VisibleSteps(dw, dest.left, dxStep, surface_.Width(), sw, srcRect.left, sxStep, true);
  const auto rows = VisibleSteps(dh, dest.top, dyStep, surface_.Height(), sh, srcRect.top, syStep, false);

  // Read everything first: the source may be this very surface.
  std::vector<std::uint32_t> pixels(cols.size() * rows.size());
  std::vector<bool> present(pixels.size(), false);
  for (std::size_t j = 0; j < rows.size(); ++j)
    for (std::size_t i = 0; i < cols.size(); ++i) {
      if (!from.Contains(cols[i].source, rows[j].source)) continue;
      pixels[j * cols.size() + i] = from.At(cols[i].source, rows[j].source);
      present[j * cols.size() + i] = true;
    }
  for (std::size_t j = 0; j < rows.size(); ++j)
    for (std::size_t i = 0; i < cols.size(); ++i) {
      const std::size_t k = j * cols.size() + i;
      const int tx = cols[i].target, ty = rows[j].target;
      if (!present[k] || (clip_ && !clip_->Has(tx, ty))) continue;
      std::uint32_t& d = surface_.Row(ty)[tx];
      const std::uint32_t px = surface_.Mono() ? ReduceCopiedColor(pixels[k]) : pixels[k];
      d = Combine(rop, px, d & 0xFFFFFF);
    }
}

}  // namespace pg::platform::soft
