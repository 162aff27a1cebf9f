// Windows metafile records parsed into playback calls. Their window maps onto
// dest as GDI maps it when it turns the metafile into an enhanced one sized to
// the picture: the metafile's own viewport and map mode records change nothing.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/metafile/dib_bitmap.h"

#include "platform/metafile/play_metafile.h"
#include "platform/metafile/playback.h"
#include "platform/metafile/record_reader.h"
#include "platform/metafile/wmf_records.h"
#include "platform/picture/picture_headers.h"

namespace pg::platform::metafile {

namespace {

PointD Yx(RecordReader& r, std::size_t at) { return {double(r.I16(at + 2)), double(r.I16(at))}; }

std::vector<PointD> Points(RecordReader& r, std::size_t at, std::size_t count) {
  std::vector<PointD> out;
  if (!r.Holds(at, count, 4)) return out;
  for (std::size_t i = 0; i < count; ++i) out.push_back({double(r.I16(at + 4 * i)), double(r.I16(at + 4 * i + 2))});
  return out;
}

// The rectangles of a region object's scans.
std::vector<TRect> RegionScans(RecordReader& r) {
  std::vector<TRect> rects;
  const int scans = r.I16(16);
  std::size_t at = 28;
  for (int s = 0; s < scans && r.Holds(at, 3, 2); ++s) {
    const int count = r.U16(at), top = r.I16(at + 2), bottom = r.I16(at + 4);
    const std::size_t pairs = static_cast<std::size_t>(count) / 2;
    if (!r.Holds(at + 6, pairs, 4)) break;
    for (std::size_t i = 0; i < pairs; ++i)
      rects.push_back(TRect{r.I16(at + 6 + 4 * i), top, r.I16(at + 8 + 4 * i), bottom});
    at += 6 + pairs * 4 + 2;
  }
  return rects;
}

class WmfPlayer {
 public:
  explicit WmfPlayer(Playback& p) : p_(p) {}

  void Record(std::uint16_t function, RecordReader& r) {
    using namespace wmr;
    switch (function) {
      case kSetWindowOrg: p_.SetWindowOrg(Yx(r, 6)); return;
      case kSetWindowExt: p_.SetWindowExt(Yx(r, 6)); return;
      case kOffsetWindowOrg: {
        const PointD o = p_.State().windowOrg, by = Yx(r, 6);
        p_.SetWindowOrg({o.x + by.x, o.y + by.y});
        return;
      }
      case kScaleWindowExt: p_.ScaleWindowExt(r.I16(12), r.I16(10), r.I16(8), r.I16(6)); return;
      // The viewport counts pixels of the recording device, which the
      // placement then stretches onto the destination.
      case kSetViewportOrg: p_.SetViewportOrg(Yx(r, 6)); return;
      case kSetViewportExt: p_.SetViewportExt(Yx(r, 6)); return;
      case kOffsetViewportOrg: {
        const PointD o = p_.State().viewportOrg, by = Yx(r, 6);
        p_.SetViewportOrg({o.x + by.x, o.y + by.y});
        return;
      }
      case kScaleViewportExt: p_.ScaleViewportExt(r.I16(12), r.I16(10), r.I16(8), r.I16(6)); return;
      case kSetMapMode: p_.SetMapMode(r.U16(6)); return;
      case kSetBkMode: p_.State().bkMode = r.U16(6) == kTransparent ? kTransparent : kOpaque; return;
      case kSetPolyFillMode: p_.State().fillMode = r.U16(6) == kWinding ? kWinding : kAlternate; return;
      case kSetRop2: if (r.U16(6) >= 1 && r.U16(6) <= 16) p_.State().rop2 = r.U16(6); return;
      case kSetTextAlign: p_.State().textAlign = r.U16(6); return;
      case kSetTextColor: p_.State().textColor = r.U32(6) & 0xFFFFFF; return;
      case kSetBkColor: p_.State().bkColor = r.U32(6) & 0xFFFFFF; return;
      case kSaveDc: p_.SaveDc(); return;
      case kRestoreDc: p_.RestoreDc(r.I16(6)); return;
      case kMoveTo: p_.MoveTo(Yx(r, 6)); return;
      case kLineTo: p_.LineTo(Yx(r, 6)); return;
      case kPolygon: case kPolyline: {
        const auto pts = Points(r, 8, r.U16(6));
        if (pts.empty()) return;
        if (function == kPolygon) p_.Polygon(pts);
        else p_.Polyline(pts);
        return;
      }
      case kPolyPolygon: {
        const std::size_t polys = r.U16(6);
        if (!r.Holds(8, polys, 2)) return;
        std::vector<std::uint32_t> counts;
        std::size_t total = 0;
        for (std::size_t i = 0; i < polys; ++i) total += counts.emplace_back(r.U16(8 + 2 * i));
        const auto pts = Points(r, 8 + 2 * polys, total);
        if (pts.size() != total) return;
        p_.PolyPolygon(pts, counts);
        return;
      }
      case kRectangle: p_.Rectangle(Yx(r, 10), Yx(r, 6)); return;
      case kEllipse: p_.Ellipse(Yx(r, 10), Yx(r, 6)); return;
      case kRoundRect: p_.RoundRect(Yx(r, 14), Yx(r, 10), Yx(r, 6)); return;
      case kArc: p_.ArcShape(ArcKind::kArc, Yx(r, 18), Yx(r, 14), Yx(r, 10), Yx(r, 6)); return;
      case kChord: p_.ArcShape(ArcKind::kChord, Yx(r, 18), Yx(r, 14), Yx(r, 10), Yx(r, 6)); return;
      case kPie: p_.ArcShape(ArcKind::kPie, Yx(r, 18), Yx(r, 14), Yx(r, 10), Yx(r, 6)); return;
      case kSetPixel: p_.SetPixel(Yx(r, 10), r.U32(6) & 0xFFFFFF); return;
      case kIntersectClipRect: p_.IntersectClipRect(Yx(r, 10), Yx(r, 6)); return;
      case kExcludeClipRect: p_.ExcludeClipRect(Yx(r, 10), Yx(r, 6)); return;
      case kOffsetClipRgn: p_.OffsetClip(Yx(r, 6)); return;
      case kSelectObject: p_.Select(r.U16(6)); return;
      case kSelectClipRegion: p_.Select(r.U16(6)); return;
      case kDeleteObject: p_.Delete(r.U16(6)); return;
      case kCreatePenIndirect:
        p_.CreateInFreeSlot(PenObject{PlainPenStyle(r.U16(6)),
                                           double(r.I16(8)), r.U32(12) & 0xFFFFFF, {}});
        return;
      case kCreateBrushIndirect: {
        const std::uint16_t style = r.U16(6);
        p_.CreateInFreeSlot(BrushObject{style == kBsHatched ? kBsHatched : style == kBsNull ? kBsNull : kBsSolid,
                                             r.U16(12), r.U32(8) & 0xFFFFFF, nullptr});
        return;
      }
      case kDibCreatePatternBrush: {
        std::shared_ptr<const Bitmap> pattern = DecodeDib(r.Bytes(10, r.Size() - std::min<std::size_t>(10, r.Size())),
                                                          r.U16(8) == 1);
        p_.CreateInFreeSlot(BrushObject{kBsDibPattern, 0, 0, pattern});
        return;
      }
      case kCreateFontIndirect: {
        FontObject f;
        f.font.height = r.I16(6);
        f.font.width = r.I16(8);
        f.escapement = r.I16(10);
        f.font.weight = r.I16(14);
        f.font.italic = r.U8(16) != 0;
        f.font.underline = r.U8(17) != 0;
        f.font.strikeOut = r.U8(18) != 0;
        f.font.charset = r.U8(19);
        f.font.smooth = SmoothQuality(r.U8(22));
        std::string face;
        for (std::size_t i = 0; i < 32 && 24 + i < r.Size(); ++i) {
          const std::uint8_t c = r.U8(24 + i);
          if (c == 0) break;
          face += static_cast<char>(c);
        }
        if (!face.empty()) f.font.face = face;
        p_.CreateInFreeSlot(f);
        return;
      }
      case kCreateRegion: p_.CreateInFreeSlot(RegionObject{RegionScans(r)}); return;
      case kCreatePalette: case kCreatePatternBrush: p_.CreateInFreeSlot(OtherObject{}); return;
      // The parameters lie in reverse: FillRegion holds the brush, then the
      // region; FrameRegion the height, width, brush, then the region.
      case kFillRegion: case kPaintRegion: {
        const auto* region = p_.Object(r.U16(function == kFillRegion ? 8 : 6));
        const auto* rects = region ? std::get_if<RegionObject>(region) : nullptr;
        if (!rects) return;
        BrushObject brush = p_.State().brush;
        if (function == kFillRegion) {
          const auto* o = p_.Object(r.U16(6));
          const auto* b = o ? std::get_if<BrushObject>(o) : nullptr;
          if (!b) return;
          brush = *b;
        }
        p_.FillRects(rects->rects, brush, true);
        return;
      }
      case kFrameRegion: {
        const auto* region = p_.Object(r.U16(12));
        const auto* rects = region ? std::get_if<RegionObject>(region) : nullptr;
        const auto* o = p_.Object(r.U16(10));
        const auto* brush = o ? std::get_if<BrushObject>(o) : nullptr;
        if (!rects || !brush) return;
        p_.FrameRects(rects->rects, *brush, {double(r.I16(8)), double(r.I16(6))}, true);
        return;
      }
      case kTextOut: {
        const std::size_t count = r.U16(6);
        if (!r.Holds(8, count, 1)) return;
        Playback::TextRun run;
        for (std::size_t i = 0; i < count; ++i) run.text.push_back(r.U8(8 + i));
        const std::size_t after = 8 + (count + 1) / 2 * 2;
        if (!r.Holds(after, 2, 2)) return;
        run.at = Yx(r, after);
        p_.Text(run);
        return;
      }
      case kExtTextOut: {
        Playback::TextRun run;
        run.at = Yx(r, 6);
        const std::size_t count = r.U16(10);
        run.options = r.U16(12);
        std::size_t at = 14;
        if (run.options & 0x6) {  // opaque or clipped: a rectangle comes first
          run.rect = std::make_pair(PointD{double(r.I16(14)), double(r.I16(16))},
                                    PointD{double(r.I16(18)), double(r.I16(20))});
          at = 22;
        }
        if (!r.Holds(at, count, 1)) return;
        for (std::size_t i = 0; i < count; ++i) run.text.push_back(r.U8(at + i));
        const std::size_t dx = at + (count + 1) / 2 * 2;
        if (r.Holds(dx, count, 2))
          for (std::size_t i = 0; i < count; ++i) run.dx.push_back(r.I16(dx + 2 * i));
        p_.Text(run);
        return;
      }
      case kPatBlt: p_.PatternBlt(Yx(r, 14), Yx(r, 10), r.U32(6)); return;
      case kDibBitBlt: case kDibStretchBlt: case kStretchDib: case kSetDibToDev: Blit(function, r); return;
      default: return;
    }
  }

 private:
  void Blit(std::uint16_t function, RecordReader& r) {
    using namespace wmr;
    const std::size_t words = r.Size() / 2;
    // Block transfers without a bitmap have a record of the function's own size.
    const bool noBitmap = (function == kDibBitBlt || function == kDibStretchBlt) && words == (function >> 8) + 3u;
    if (noBitmap) {
      if (function == kDibBitBlt) p_.PatternBlt(Yx(r, 20), Yx(r, 16), r.U32(6));
      else p_.PatternBlt(Yx(r, 24), Yx(r, 20), r.U32(6));
      return;
    }
    const auto dibAt = [&](std::size_t at) { return r.Bytes(at, r.Size() > at ? r.Size() - at : 0); };
    const auto heightOf = [](std::span<const std::uint8_t> dib) {
      if (dib.size() < 12) return 0;
      RecordReader d(dib);
      // Held: the height of INT_MIN has no int magnitude.
      const long long height = d.U32(0) == 12 ? d.I16(6) : d.I32(8);
      return static_cast<int>(std::min(std::llabs(height), 1LL << 30));
    };
    switch (function) {
      case kDibBitBlt: {
        const PointD size = Yx(r, 14), src = Yx(r, 10);
        const TRect s{int(src.x), int(src.y), int(src.x + size.x), int(src.y + size.y)};
        p_.Dib(Yx(r, 18), size, s, dibAt(22), false, r.U32(6));
        return;
      }
      case kDibStretchBlt: {
        const PointD srcSize = Yx(r, 10), src = Yx(r, 14);
        const TRect s{int(src.x), int(src.y), int(src.x + srcSize.x), int(src.y + srcSize.y)};
        p_.Dib(Yx(r, 22), Yx(r, 18), s, dibAt(26), false, r.U32(6));
        return;
      }
      case kStretchDib: {
        const auto dib = dibAt(28);
        const PointD srcSize = Yx(r, 12), src = Yx(r, 16);
        const int h = heightOf(dib);
        // Counted from the bitmap's bottom row.
        const TRect s{int(src.x), int(h - src.y - srcSize.y), int(src.x + srcSize.x), int(h - src.y)};
        p_.Dib(Yx(r, 24), Yx(r, 20), s, dib, r.U16(10) == 1, r.U32(6));
        return;
      }
      default: {  // SetDIBitsToDevice
        const auto dib = dibAt(24);
        const PointD size = Yx(r, 16), src = Yx(r, 12);
        const int h = heightOf(dib);
        const TRect s{int(src.x), int(h - src.y - size.y), int(src.x + size.x), int(h - src.y)};
        p_.Dib(Yx(r, 20), size, s, dib, r.U16(6) == 1, 0x00CC0020);
        return;
      }
    }
  }

  Playback& p_;
};

}  // namespace

bool PlayWmf(std::span<const std::uint8_t> bytes, DeviceContext& dc, const TRect& dest, long long budget,
             TSize surface) {
  std::size_t base = 0;
  PointD windowOrg{0, 0}, windowExt{1, 1};
  if (bytes.size() >= wmr::kPlaceableSize) {
    RecordReader h(bytes.subspan(0, wmr::kPlaceableSize));
    if (h.U32(0) == wmr::kPlaceableKey) {
      base = wmr::kPlaceableSize;
      windowOrg = {double(h.I16(6)), double(h.I16(8))};
      windowExt = {double(h.I16(10)) - h.I16(6), double(h.I16(12)) - h.I16(8)};
    }
  }
  if (bytes.size() < base + wmr::kHeaderSize) return false;
  RecordReader header(bytes.subspan(base, wmr::kHeaderSize));
  if (header.U16(2) != 9) return false;
  if (dest.Width() == 0 || dest.Height() == 0) return false;

  // The picture as GDI takes it in: its extent in pixels of a 96-dpi device
  // (the viewport), stretched onto dest.
  PointD pixels{double(dest.Width()), double(dest.Height())};
  if (const auto layout = ReadWmfLayout(bytes)) {
    const double inch = layout->extent.unitsPerInch > 0 ? layout->extent.unitsPerInch : 96;
    if (layout->extent.width > 0 && layout->extent.height > 0)
      pixels = {layout->extent.width * 96 / inch, layout->extent.height * 96 / inch};
  }
  const Affine placement{dest.Width() / pixels.x, 0, 0, dest.Height() / pixels.y, double(dest.left), double(dest.top)};
  Playback playback(dc, placement, {96 / 25.4, 96 / 25.4}, budget, surface);
  playback.SetObjectTable(header.U16(10));
  playback.SetMapMode(static_cast<int>(MapMode::kAnisotropic));
  playback.SetViewportExt(pixels);
  playback.SetWindowOrg(windowOrg);
  playback.SetWindowExt(windowExt);
  WmfPlayer player(playback);
  for (std::size_t at = base + wmr::kHeaderSize; at + 6 <= bytes.size();) {
    RecordReader head(bytes.subspan(at, 6));
    const std::uint32_t words = head.U32(0);
    const std::uint16_t function = head.U16(4);
    if (words < 3 || words > (bytes.size() - at) / 2) return false;
    if (function == wmr::kEof) return true;
    RecordReader record(bytes.subspan(at, static_cast<std::size_t>(words) * 2));
    playback.Charge(1);
    if (playback.Spent()) return false;
    player.Record(function, record);
    at += static_cast<std::size_t>(words) * 2;
  }
  return true;
}

}  // namespace pg::platform::metafile
