// Records that mix their colours with what lies beneath, or shade each pixel
// on their own (AlphaBlend, TransparentBlt, GradientFill, inverting blits):
// the context has no call for them, so they are drawn pixel by pixel, only on
// the surface and inside the clip.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/metafile/dib_bitmap.h"
#include "platform/metafile/playback.h"
#include "platform/picture_pixels.h"
#include "platform/stretch_steps.h"

namespace pg::platform::metafile {

namespace {

std::uint32_t ChannelOf(std::uint32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

// GDI's constant-alpha mix, rounded.
std::uint32_t Mix(std::uint32_t source, std::uint32_t beneath, std::uint32_t alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8)
    out |= ((ChannelOf(source, shift) * alpha + ChannelOf(beneath, shift) * (255 - alpha) + 127) / 255) << shift;
  return out;
}

// A premultiplied source of coverage `alpha` over what lies beneath.
std::uint32_t Over(std::uint32_t source, std::uint32_t alpha, std::uint32_t beneath) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t v = ChannelOf(source, shift) + (ChannelOf(beneath, shift) * (255 - alpha) + 127) / 255;
    out |= std::min<std::uint32_t>(v, 255) << shift;
  }
  return out;
}

}  // namespace

TRect Playback::DeviceBox(PointD at, PointD size) {
  const Affine& m = ToDevice();
  const TPoint p = Pixel(m.Apply(at)), q = Pixel(m.Apply({at.x + size.x, at.y + size.y}));
  return TRect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
}

TRect Playback::OnSurface(const TRect& box) const {
  return TRect{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, surface_.cx),
               std::min(box.bottom, surface_.cy)};
}

void Playback::ShadePixels(const TRect& box, const std::function<std::uint32_t(int, int, std::uint32_t)>& shade,
                           bool readsBeneath) {
  if (pathOpen_) return;
  const TRect area = OnSurface(box);
  if (area.Width() <= 0 || area.Height() <= 0) return;
  const long long pixels = static_cast<long long>(area.Width()) * area.Height();
  // Reading and writing each pixel through the context costs about four times
  // what laying whole rows does: both count against one allowance a play.
  shadeWork_ += readsBeneath ? pixels : pixels / 4 + 1;
  Charge(pixels / 16 + 1);
  if (Spent() || shadeWork_ > kShadeAllowance) return;
  if (readsBeneath) {
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        const std::uint32_t rgb = shade(x, y, dc_.GetPixel(x, y));
        if (rgb > 0xFFFFFF) continue;  // left alone
        dc_.SetPixel(x, y, Rgb(static_cast<int>(ChannelOf(rgb, 16)), static_cast<int>(ChannelOf(rgb, 8)),
                               static_cast<int>(ChannelOf(rgb, 0))));
      }
    return;
  }
  // Rows laid as one copy; where some pixels are left alone, a mask first clears
  // the rest (AND) and the colours go on with OR.
  const int w = area.Width(), h = area.Height();
  Bitmap colour(w, h);
  if (colour.Empty()) return;
  std::unique_ptr<Bitmap> mask;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(w)), maskRow(static_cast<std::size_t>(w));
  for (int y = 0; y < h; ++y) {
    bool partial = false;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t rgb = shade(area.left + x, area.top + y, 0);
      const bool alone = rgb > 0xFFFFFF;
      row[static_cast<std::size_t>(x)] = alone ? 0 : rgb;
      maskRow[static_cast<std::size_t>(x)] = alone ? 0xFFFFFF : 0;
      partial = partial || alone;
    }
    if (partial && !mask) {
      mask = std::make_unique<Bitmap>(w, h);
      if (mask->Empty()) return;
      const std::vector<std::uint32_t> black(static_cast<std::size_t>(w), 0);
      for (int k = 0; k < y; ++k) WriteBitmapRow(*mask, k, black);
    }
    if (mask) WriteBitmapRow(*mask, y, maskRow);
    WriteBitmapRow(colour, y, row);
  }
  if (mask) {
    dc_.BitBlt(area.left, area.top, w, h, *mask, 0, 0, BlitRop::kSrcAnd);
    dc_.BitBlt(area.left, area.top, w, h, colour, 0, 0, BlitRop::kSrcPaint);
  } else {
    dc_.BitBlt(area.left, area.top, w, h, colour, 0, 0, BlitRop::kSrcCopy);
  }
}

void Playback::BlendDib(PointD destAt, PointD destSize, TRect source, std::span<const std::uint8_t> dib,
                        bool paletteIndices, const Blend& blend) {
  if (pathOpen_) return;
  const auto bitmap = DecodeDib(dib, paletteIndices);
  if (!bitmap) return;
  const std::vector<std::uint8_t> alpha = blend.sourceAlpha ? DibAlpha(dib) : std::vector<std::uint8_t>{};
  if (blend.sourceAlpha && alpha.empty()) return;  // GDI refuses per-pixel alpha without an alpha channel
  const int bw = bitmap->Width(), bh = bitmap->Height();
  source = TRect{std::max(source.left, 0), std::max(source.top, 0), std::min(source.right, bw),
                 std::min(source.bottom, bh)};
  if (source.Width() <= 0 || source.Height() <= 0) return;
  const Affine& m = ToDevice();
  const TPoint p = Pixel(m.Apply(destAt)), q = Pixel(m.Apply({destAt.x + destSize.x, destAt.y + destSize.y}));
  const TRect box{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
  if (box.Width() == 0 || box.Height() == 0) return;
  const bool flipX = q.x < p.x, flipY = q.y < p.y;
  const std::uint32_t key = PixelOf(blend.key), constant = static_cast<std::uint32_t>(std::clamp(blend.constantAlpha, 0, 255));
  ShadePixels(box, [&](int x, int y, std::uint32_t beneath) -> std::uint32_t {
    const int dx = flipX ? box.right - 1 - x : x - box.left, dy = flipY ? box.bottom - 1 - y : y - box.top;
    const int sx = source.left + StretchSourceStep(dx, box.Width(), source.Width(), true);
    const int sy = source.top + StretchSourceStep(dy, box.Height(), source.Height(), false);
    const std::uint32_t colour = bitmap->Pixel(sx, sy);
    if (blend.transparent) return colour == key ? 0xFFFFFFFFu : colour;
    if (!blend.sourceAlpha) return Mix(colour, beneath, constant);
    const std::uint32_t a = alpha[static_cast<std::size_t>(sy) * static_cast<std::size_t>(bw) + static_cast<std::size_t>(sx)];
    std::uint32_t scaled = 0;
    for (int shift = 0; shift <= 16; shift += 8)
      scaled |= ((ChannelOf(colour, shift) * constant + 127) / 255) << shift;
    return Over(scaled, (a * constant + 127) / 255, beneath);
  }, true);
}

void Playback::GradientRects(std::span<const Vertex> vertices, std::span<const std::uint32_t> pairs, bool vertical) {
  for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
    if (pairs[i] >= vertices.size() || pairs[i + 1] >= vertices.size()) continue;
    Vertex a = vertices[pairs[i]], b = vertices[pairs[i + 1]];
    const TPoint pa = Pixel(Device(a.at)), pb = Pixel(Device(b.at));
    const TRect box{std::min(pa.x, pb.x), std::min(pa.y, pb.y), std::max(pa.x, pb.x), std::max(pa.y, pb.y)};
    if (box.Width() <= 0 || box.Height() <= 0) continue;
    // The colours run from the vertex nearer the start of the axis.
    if (vertical ? pa.y > pb.y : pa.x > pb.x) std::swap(a, b);
    const long long length = vertical ? box.Height() : box.Width();
    ShadePixels(box, [&](int x, int y, std::uint32_t) {
      const long long at = vertical ? y - box.top : x - box.left;
      const auto shade = [&](std::uint16_t c0, std::uint16_t c1) {
        return static_cast<std::uint32_t>((c0 * (length - at) + c1 * at) / length / 256);
      };
      return shade(a.red, b.red) << 16 | shade(a.green, b.green) << 8 | shade(a.blue, b.blue);
    }, false);
  }
}

void Playback::GradientTriangles(std::span<const Vertex> vertices, std::span<const std::uint32_t> triples) {
  for (std::size_t i = 0; i + 2 < triples.size(); i += 3) {
    if (triples[i] >= vertices.size() || triples[i + 1] >= vertices.size() || triples[i + 2] >= vertices.size())
      continue;
    const Vertex* v[3] = {&vertices[triples[i]], &vertices[triples[i + 1]], &vertices[triples[i + 2]]};
    TPoint d[3];
    for (int k = 0; k < 3; ++k) d[k] = Pixel(Device(v[k]->at));
    const long long det = static_cast<long long>(d[1].y - d[2].y) * (d[0].x - d[2].x) +
                          static_cast<long long>(d[2].x - d[1].x) * (d[0].y - d[2].y);
    if (det == 0) continue;
    const TRect box{std::min({d[0].x, d[1].x, d[2].x}), std::min({d[0].y, d[1].y, d[2].y}),
                    std::max({d[0].x, d[1].x, d[2].x}) + 1, std::max({d[0].y, d[1].y, d[2].y}) + 1};
    ShadePixels(box, [&](int x, int y, std::uint32_t) -> std::uint32_t {
      // Barycentric weights of the pixel, each of det's sign inside.
      const long long w0 = static_cast<long long>(d[1].y - d[2].y) * (x - d[2].x) +
                           static_cast<long long>(d[2].x - d[1].x) * (y - d[2].y);
      const long long w1 = static_cast<long long>(d[2].y - d[0].y) * (x - d[2].x) +
                           static_cast<long long>(d[0].x - d[2].x) * (y - d[2].y);
      const long long w2 = det - w0 - w1;
      const bool inside = det > 0 ? w0 >= 0 && w1 >= 0 && w2 >= 0 : w0 <= 0 && w1 <= 0 && w2 <= 0;
      if (!inside) return 0xFFFFFFFFu;
      // In floating point: far vertices make weights whose products overflow 64 bits.
      const auto shade = [&](std::uint16_t c0, std::uint16_t c1, std::uint16_t c2) {
        const double v = (double(c0) * double(w0) + double(c1) * double(w1) + double(c2) * double(w2)) / double(det);
        return static_cast<std::uint32_t>(std::clamp(std::floor(v / 256), 0.0, 255.0));
      };
      return shade(v[0]->red, v[1]->red, v[2]->red) << 16 | shade(v[0]->green, v[1]->green, v[2]->green) << 8 |
             shade(v[0]->blue, v[1]->blue, v[2]->blue);
    }, false);
  }
}

}  // namespace pg::platform::metafile
