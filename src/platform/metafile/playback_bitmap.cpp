// Bitmap records: the DIB they carry copied onto a logical rectangle through
// the context's own scaled copy.
#include <cmath>

#include "platform/metafile/dib_bitmap.h"
#include "platform/metafile/playback.h"

namespace pg::platform::metafile {

namespace {

constexpr std::uint32_t kSrcCopy = 0x00CC0020, kSrcPaint = 0x00EE0086, kSrcAnd = 0x008800C6,
                        kSrcInvert = 0x00660046, kPatCopy = 0x00F00021, kBlackness = 0x00000042,
                        kWhiteness = 0x00FF0062, kDstInvert = 0x00550009, kPatInvert = 0x005A0049;

BlitRop CopyRop(std::uint32_t rop) {
  switch (rop) {
    case kSrcPaint: return BlitRop::kSrcPaint;
    case kSrcAnd: return BlitRop::kSrcAnd;
    case kSrcInvert: return BlitRop::kSrcInvert;
    case kSrcCopy:
    default: return BlitRop::kSrcCopy;
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
  UseAttributes();
  dc_.StretchBlt(TRect{p.x, p.y, q.x, q.y}, *bitmap, source, CopyRop(rop));
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
    default: return;
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
