// Bitmap records: the DIB they carry copied onto a logical rectangle through
// the context's own scaled copy.
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/hatch_patterns.h"
#include "platform/metafile/dib_bitmap.h"
#include "platform/metafile/playback.h"
#include "platform/metafile/rop3.h"
#include "platform/stretch_steps.h"

namespace pg::platform::metafile {

namespace {

constexpr std::uint32_t kSrcCopy = 0x00CC0020, kSrcPaint = 0x00EE0086, kSrcAnd = 0x008800C6,
                        kSrcInvert = 0x00660046, kPatCopy = 0x00F00021, kBlackness = 0x00000042,
                        kWhiteness = 0x00FF0062, kDstInvert = 0x00550009, kPatInvert = 0x005A0049;

// The operations the context's own copy makes; the other ternary operations
// are mixed pixel by pixel.
std::optional<BlitRop> CopyRop(std::uint32_t rop) {
  switch (rop) {
    case kSrcPaint: return BlitRop::kSrcPaint;
    case kSrcAnd: return BlitRop::kSrcAnd;
    case kSrcInvert: return BlitRop::kSrcInvert;
    case kSrcCopy: return BlitRop::kSrcCopy;
    default: return std::nullopt;
  }
}

}  // namespace

void Playback::Dib(PointD destAt, PointD destSize, TRect source, std::span<const std::uint8_t> dib,
                   bool paletteIndices, std::uint32_t rop, bool sizeInPixels) {
  if (pathOpen_) return;
  const auto bitmap = DecodeDib(dib, paletteIndices);
  if (!bitmap) return;
  Charge(static_cast<long long>(bitmap->Width()) * bitmap->Height() / 16 + 1);
  const Affine& m = ToDevice();
  const TPoint p = Pixel(m.Apply(destAt));
  const TPoint q = sizeInPixels ? Pixel({double(p.x) + destSize.x, double(p.y) + destSize.y})
                                : Pixel(m.Apply({destAt.x + destSize.x, destAt.y + destSize.y}));
  if (p.x == q.x || p.y == q.y) return;
  if (const auto copy = CopyRop(rop)) {
    UseAttributes();
    dc_.StretchBlt(TRect{p.x, p.y, q.x, q.y}, *bitmap, source, *copy);
    return;
  }
  const int bw = bitmap->Width(), bh = bitmap->Height();
  source = TRect{std::max(source.left, 0), std::max(source.top, 0), std::min(source.right, bw),
                 std::min(source.bottom, bh)};
  if (source.Width() <= 0 || source.Height() <= 0) return;
  const TRect box{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
  const bool flipX = q.x < p.x, flipY = q.y < p.y;
  ShadePixels(box, [&](int x, int y, std::uint32_t beneath) {
    const int dx = flipX ? box.right - 1 - x : x - box.left, dy = flipY ? box.bottom - 1 - y : y - box.top;
    const int sx = source.left + StretchSourceStep(dx, box.Width(), source.Width(), true);
    const int sy = source.top + StretchSourceStep(dy, box.Height(), source.Height(), false);
    return Rop3(rop, BrushPixel(x, y), bitmap->Pixel(sx, sy) & 0xFFFFFF, beneath);
  }, RopUsesDest(rop));
}

std::uint32_t Playback::BrushPixel(int x, int y) const {
  const BrushObject& b = state_.brush;
  if (b.Null()) return 0;
  if (b.pattern && b.pattern->Width() > 0 && b.pattern->Height() > 0) {
    const int w = b.pattern->Width(), h = b.pattern->Height();
    return b.pattern->Pixel((x % w + w) % w, (y % h + h) % h) & 0xFFFFFF;
  }
  // A hatch is a pattern too: its lines in the brush's colour, between them the
  // background colour, laid from the surface's origin as fills lay it.
  if (b.kind == kBsHatched)
    if (const std::uint8_t* rows = HatchRows(HatchStyle(b.hatch)))
      return (rows[y & 7] >> (x & 7)) & 1 ? PixelOf(b.color) : PixelOf(state_.bkColor);
  return PixelOf(b.color);
}

void Playback::PatternBlt(PointD destAt, PointD destSize, std::uint32_t rop) {
  if (pathOpen_) return;
  if (rop == kDstInvert || (rop == kPatInvert && state_.brush.kind == kBsSolid)) {
    const std::uint32_t with = rop == kDstInvert ? 0xFFFFFFu : PixelOf(state_.brush.color);
    ShadePixels(DeviceBox(destAt, destSize), [with](int, int, std::uint32_t beneath) { return beneath ^ with; }, true);
    return;
  }
  BrushObject brush;
  switch (rop) {
    case kPatCopy: brush = state_.brush; break;
    case kBlackness: brush = BrushObject{kBsSolid, 0, 0, nullptr}; break;
    case kWhiteness: brush = BrushObject{kBsSolid, 0, 0xFFFFFF, nullptr}; break;
    default:
      // Any other operation of pattern and destination alone, pixel by pixel
      // (one that needs a source has none here: GDI draws nothing then).
      if (!RopUsesSource(rop))
        ShadePixels(DeviceBox(destAt, destSize),
                    [&](int x, int y, std::uint32_t beneath) { return Rop3(rop, BrushPixel(x, y), 0, beneath); },
                    RopUsesDest(rop));
      return;
  }
  if (brush.Null()) return;
  const Affine& m = ToDevice();
  const TPoint p = Pixel(m.Apply(destAt)), q = Pixel(m.Apply({destAt.x + destSize.x, destAt.y + destSize.y}));
  Charge(4);
  UseAttributes();
  UseBrush(brush);
  dc_.FillRect(TRect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)});
}

}  // namespace pg::platform::metafile
