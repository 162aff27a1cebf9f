#include "platform/soft/raster/painter.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pg::platform::soft {

std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dest) {
  if (rop2 == kRopCopy) return pen;
  const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
  const std::uint32_t p = pen & 0xFFFFFF, d = dest & 0xFFFFFF, np = ~p & 0xFFFFFF, nd = ~d & 0xFFFFFF;
  std::uint32_t r = 0;
  if (table & 1) r |= np & nd;
  if (table & 2) r |= np & d;
  if (table & 4) r |= p & nd;
  if (table & 8) r |= p & d;
  return r;
}

namespace {

// The source's pixel at (x, y), or false where a transparent hatch shows the surface.
bool SourcePixel(const PaintSource& s, int x, int y, std::uint32_t& out) {
  switch (s.kind) {
    case PaintSource::Kind::kSolid:
      out = s.color;
      return true;
    case PaintSource::Kind::kHatch:
      if ((s.hatch[y & 7] >> (x & 7)) & 1) {
        out = s.color;
        return true;
      }
      out = s.background;
      return s.opaque;
    case PaintSource::Kind::kPattern: {
      if (s.patternWidth <= 0 || s.patternHeight <= 0) return false;
      int px = x % s.patternWidth, py = y % s.patternHeight;
      if (px < 0) px += s.patternWidth;
      if (py < 0) py += s.patternHeight;
      out = (*s.pattern)[static_cast<std::size_t>(py) * s.patternWidth + px];
      return true;
    }
  }
  return false;
}

// `count` pixels set to one colour, several to a store.
void StorePixels(std::uint32_t* p, int count, std::uint32_t color) {
  std::uint32_t* const end = p + count;
#if defined(__SSE2__)
  const __m128i four = _mm_set1_epi32(static_cast<int>(color));
  // Sixteen a turn, then four: the loop's own count and test cost as much as a store.
  for (; end - p >= 16; p += 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4), four);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 8), four);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 12), four);
  }
  for (; end - p >= 4; p += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
#else
  const std::uint64_t two = color * 0x100000001ULL;
  for (; end - p >= 2; p += 2) std::memcpy(p, &two, sizeof two);
#endif
  for (; p < end; ++p) *p = color;
}

// Row pixels [x0, x1) set to one colour. The runs of a filled shape are mostly
// tens of pixels, stored directly: a library copy per block cost more than the
// stores. A long run (a gradient's rows) stores its first pixels and copies them
// onto the rest in doubling blocks, which the library's copy does many pixels
// an instruction.
void FillPixels(std::uint32_t* row, int x0, int x1, std::uint32_t color) {
  constexpr int kLong = 256, kSeed = 64;
  const int n = x1 - x0;
  std::uint32_t* const p = row + x0;
  if (n < kLong) {
    StorePixels(p, n, color);
    return;
  }
  StorePixels(p, kSeed, color);
  for (int done = kSeed; done < n;) {
    const int step = std::min(done, n - done);
    std::memcpy(p + done, p, static_cast<std::size_t>(step) * sizeof *p);
    done += step;
  }
}

// Pixels [x0, x1) of row y, all inside the surface and the clip.
void PaintRun(std::uint32_t* row, int y, int x0, int x1, const PaintSource& source, int rop2) {
  // The common case, a solid copy, as one fill.
  if (source.kind == PaintSource::Kind::kSolid && rop2 == kRopCopy) {
    FillPixels(row, x0, x1, source.color);
    return;
  }
  for (int x = x0; x < x1; ++x) {
    std::uint32_t c = 0;
    if (!SourcePixel(source, x, y, c)) continue;
    row[x] = ApplyRop2(rop2, c, row[x]);
  }
}

}  // namespace

void PaintSpan(Surface& surface, int y, int x0, int x1, const PaintSource& source, int rop2, const Coverage* clip) {
  if (rop2 == 11 || y < 0 || y >= surface.Height()) return;  // R2_NOP
  x0 = x0 < 0 ? 0 : x0;
  x1 = x1 < surface.Width() ? x1 : surface.Width();
  if (x0 >= x1) return;
  std::uint32_t* row = surface.Row(y);
  // Clipped: the clip's own runs within this one, not a test per pixel.
  if (clip) clip->ForEachRunIn(y, x0, x1, [&](int a, int b) { PaintRun(row, y, a, b, source, rop2); });
  else PaintRun(row, y, x0, x1, source, rop2);
}

SpanPainter::SpanPainter(Surface& surface, const TRect& bounds, const PaintSource& source, int rop2,
                         const Coverage* clip)
    : surface_(surface), source_(source), rop2_(rop2), clip_(clip) {
  bounds_ = bounds;
  // Runs cut to the surface as well, where a solid copy without a clip is
  // stored straight into the rows.
  inside_ = TRect{std::max(bounds.left, 0), std::max(bounds.top, 0), std::min(bounds.right, surface.Width()),
                  std::min(bounds.bottom, surface.Height())};
  plain_ = source.kind == PaintSource::Kind::kSolid && rop2 == kRopCopy && !clip;
}

void SpanPainter::AddSpan(int y, int x0, int x1) {
  if (y < inside_.top || y >= inside_.bottom) return;
  x0 = std::max(x0, inside_.left);
  x1 = std::min(x1, inside_.right);
  if (x0 >= x1) return;
  if (plain_) FillPixels(surface_.Row(y), x0, x1, source_.color);
  else PaintSpan(surface_, y, x0, x1, source_, rop2_, clip_);
}

void Paint(Surface& surface, const Coverage& coverage, const PaintSource& source, int rop2, const Coverage* clip) {
  if (rop2 == 11) return;  // R2_NOP
  coverage.ForEachSpan(
      [&](int y, int x0, int x1) { PaintSpan(surface, y, x0, x1, source, rop2, clip); });
}

}  // namespace pg::platform::soft
