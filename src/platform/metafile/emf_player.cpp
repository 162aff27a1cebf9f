// Enhanced metafile records parsed into playback calls.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/metafile/emf_records.h"
#include "platform/metafile/play_metafile.h"
#include "platform/metafile/playback.h"
#include "platform/metafile/record_reader.h"
#include "platform/metafile/dib_bitmap.h"

namespace pg::platform::metafile {

namespace {

std::vector<PointD> Points(RecordReader& r, std::size_t at, std::uint32_t count, bool small) {
  const std::size_t item = small ? 4 : 8;
  std::vector<PointD> out;
  if (!r.Holds(at, count, item)) return out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t p = at + i * item;
    out.push_back(small ? PointD{double(r.I16(p)), double(r.I16(p + 2))} : PointD{double(r.I32(p)), double(r.I32(p + 4))});
  }
  return out;
}

PointD Pt(RecordReader& r, std::size_t at) { return {double(r.I32(at)), double(r.I32(at + 4))}; }

Affine Xform(RecordReader& r, std::size_t at) {
  return Affine{r.F32(at), r.F32(at + 4), r.F32(at + 8), r.F32(at + 12), r.F32(at + 16), r.F32(at + 20)};
}

// The rectangles of region data (a 32-byte header, then the rectangles).
std::vector<TRect> RegionRects(RecordReader& r, std::size_t at, std::uint32_t size) {
  std::vector<TRect> rects;
  if (size < 32 || !r.Holds(at, size, 1)) return rects;
  const std::uint32_t count = r.U32(at + 8);
  if (count > (size - 32) / 16) return rects;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t p = at + 32 + i * 16;
    rects.push_back(TRect{r.I32(p), r.I32(p + 4), r.I32(p + 8), r.I32(p + 12)});
  }
  return rects;
}

// The bitmap of a record as one packed DIB: its info part, then its bits.
std::vector<std::uint8_t> PackedDib(RecordReader& r, std::size_t offBmi, std::size_t cbBmi, std::size_t offBits,
                                    std::size_t cbBits) {
  const auto info = r.Bytes(offBmi, cbBmi), bits = r.Bytes(offBits, cbBits);
  if (info.empty() || bits.empty()) return {};
  std::vector<std::uint8_t> dib(info.begin(), info.end());
  dib.insert(dib.end(), bits.begin(), bits.end());
  return dib;
}

Font LogFont(RecordReader& r, std::size_t at, int& escapement) {
  Font f;
  f.height = r.I32(at);
  f.width = r.I32(at + 4);
  escapement = r.I32(at + 8);
  f.weight = r.I32(at + 16);
  f.italic = r.U8(at + 20) != 0;
  f.underline = r.U8(at + 21) != 0;
  f.strikeOut = r.U8(at + 22) != 0;
  f.charset = r.U8(at + 23);
  f.smooth = SmoothQuality(r.U8(at + 26));
  std::string face;
  for (std::size_t i = 0; i < 32; ++i) {
    const std::uint16_t c = r.U16(at + 28 + 2 * i);
    if (c == 0) break;
    face += c < 0x80 ? static_cast<char>(c) : '?';
  }
  if (!face.empty()) f.face = face;
  return f;
}

class EmfPlayer {
 public:
  EmfPlayer(Playback& p) : p_(p) {}

  void Record(std::uint32_t type, RecordReader& r) {
    using namespace emr;
    switch (type) {
      case kPolyBezier: case kPolygon: case kPolyline: case kPolyBezierTo: case kPolylineTo:
      case kPolyBezier16: case kPolygon16: case kPolyline16: case kPolyBezierTo16: case kPolylineTo16: {
        const bool small = type >= kPolyBezier16;
        const auto pts = Points(r, 28, r.U32(24), small);
        if (pts.empty()) return;
        switch (small ? type - kPolyBezier16 + kPolyBezier : type) {
          case kPolyBezier: p_.PolyBezier(pts); break;
          case kPolygon: p_.Polygon(pts); break;
          case kPolyline: p_.Polyline(pts); break;
          case kPolyBezierTo: p_.PolyBezierTo(pts); break;
          default: p_.PolylineTo(pts); break;
        }
        return;
      }
      case kPolyDraw: case kPolyDraw16: {
        const std::uint32_t count = r.U32(24);
        const auto pts = Points(r, 28, count, type == kPolyDraw16);
        if (pts.size() != count) return;  // so the types' offset below cannot wrap
        const auto types = r.Bytes(28 + std::size_t{count} * (type == kPolyDraw16 ? 4 : 8), count);
        if (types.size() != count) return;
        p_.PolyDraw(pts, types);
        return;
      }
      case kPolyPolyline: case kPolyPolygon: case kPolyPolyline16: case kPolyPolygon16: {
        const bool small = type >= kPolyPolyline16;
        const std::uint32_t polys = r.U32(24), total = r.U32(28);
        if (!r.Holds(32, polys, 4)) return;
        std::vector<std::uint32_t> counts;
        std::uint64_t sum = 0;
        for (std::size_t i = 0; i < polys; ++i) {
          counts.push_back(r.U32(32 + 4 * i));
          sum += counts.back();
        }
        if (sum > total) return;
        const auto pts = Points(r, 32 + 4 * static_cast<std::size_t>(polys), total, small);
        if (pts.size() != total) return;
        if (type == kPolyPolygon || type == kPolyPolygon16) p_.PolyPolygon(pts, counts);
        else p_.PolyPolyline(pts, counts);
        return;
      }
      case kSetWindowExtEx: p_.SetWindowExt(Pt(r, 8)); return;
      case kSetWindowOrgEx: p_.SetWindowOrg(Pt(r, 8)); return;
      case kSetViewportExtEx: p_.SetViewportExt(Pt(r, 8)); return;
      case kSetViewportOrgEx: p_.SetViewportOrg(Pt(r, 8)); return;
      case kScaleViewportExtEx: p_.ScaleViewportExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); return;
      case kScaleWindowExtEx: p_.ScaleWindowExt(r.I32(8), r.I32(12), r.I32(16), r.I32(20)); return;
      case kSetMapMode: p_.SetMapMode(r.I32(8)); return;
      case kSetBkMode: p_.State().bkMode = r.I32(8) == kTransparent ? kTransparent : kOpaque; return;
      case kSetPolyFillMode: p_.State().fillMode = r.I32(8) == kWinding ? kWinding : kAlternate; return;
      case kSetRop2: if (r.I32(8) >= 1 && r.I32(8) <= 16) p_.State().rop2 = r.I32(8); return;
      case kSetTextAlign: p_.State().textAlign = r.U32(8); return;
      case kSetTextColor: p_.State().textColor = r.U32(8) & 0xFFFFFF; return;
      case kSetBkColor: p_.State().bkColor = r.U32(8) & 0xFFFFFF; return;
      case kSetArcDirection: p_.State().clockwise = r.I32(8) == 2; return;
      case kSetMiterLimit: {
        const float f = r.F32(8);
        p_.State().miterLimit = std::isfinite(f) && f >= 1 ? f : std::max<std::uint32_t>(1, r.U32(8) & 0xFFFF);
        return;
      }
      case kMoveToEx: p_.MoveTo(Pt(r, 8)); return;
      case kLineTo: p_.LineTo(Pt(r, 8)); return;
      case kSaveDc: p_.SaveDc(); return;
      case kRestoreDc: p_.RestoreDc(r.I32(8)); return;
      case kSetWorldTransform: p_.SetWorld(Xform(r, 8)); return;
      case kModifyWorldTransform: p_.ModifyWorld(Xform(r, 8), r.I32(32)); return;
      case kSelectObject: {
        const std::uint32_t index = r.U32(8);
        if (index & kStockObject) p_.SelectStock(index & ~kStockObject);
        else p_.Select(index);
        return;
      }
      case kDeleteObject: p_.Delete(r.U32(8)); return;
      case kCreatePen: {
        p_.Create(r.U32(8), PenObject{PlainPenStyle(r.U32(12)), double(r.I32(16)),
                                      r.U32(24) & 0xFFFFFF, {}});
        return;
      }
      case kExtCreatePen: {
        const std::uint32_t style = r.U32(28);
        const bool geometric = style & kPsGeometric;
        PenObject pen{style, geometric ? double(r.U32(32)) : 0.0, r.U32(40) & 0xFFFFFF, {}};
        if ((style & kPsStyleMask) == kPsUserStyle) {
          // At most 16 lengths, as GDI takes; the record check saw them all inside.
          const std::uint32_t entries = std::min<std::uint32_t>(r.U32(48), 16);
          for (std::uint32_t i = 0; i < entries && r.Holds(52 + std::size_t{i} * 4, 4, 1); ++i)
            pen.dashes.push_back(double(r.U32(52 + std::size_t{i} * 4)));
        }
        // A pen of a hollow brush draws nothing.
        if (r.U32(36) == kBsNull) pen.style = (pen.style & ~kPsStyleMask) | kPsNull;
        p_.Create(r.U32(8), pen);
        return;
      }
      case kCreateBrushIndirect: {
        const std::uint32_t style = r.U32(12);
        BrushObject b{style == kBsHatched ? kBsHatched : style == kBsNull ? kBsNull : kBsSolid, r.U32(20),
                      r.U32(16) & 0xFFFFFF, nullptr};
        p_.Create(r.U32(8), b);
        return;
      }
      case kCreateDibPatternBrushPt: case kCreateMonoBrush: {
        auto dib = PackedDib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28));
        if (type == kCreateMonoBrush && r.U32(20) == 40 && dib.size() > 40) {
          // A monochrome brush has no colours of its own: 0 bits take the text
          // colour and 1 bits the background colour.
          const auto entry = [](Color c) {
            return std::vector<std::uint8_t>{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                             static_cast<std::uint8_t>(c), 0};
          };
          const auto fore = entry(p_.State().textColor), back = entry(p_.State().bkColor);
          dib.insert(dib.begin() + 40, back.begin(), back.end());
          dib.insert(dib.begin() + 40, fore.begin(), fore.end());
          dib[32] = 2;
          dib[33] = dib[34] = dib[35] = 0;
          p_.Create(r.U32(8), BrushObject{kBsDibPattern, 0, 0, DecodeDib(dib)});
          return;
        }
        std::shared_ptr<const Bitmap> pattern = DecodeDib(dib, r.U32(12) == 1);
        p_.Create(r.U32(8), BrushObject{kBsDibPattern, 0, 0, pattern});
        return;
      }
      case kExtCreateFontIndirectW: {
        FontObject f;
        f.font = LogFont(r, 12, f.escapement);
        p_.Create(r.U32(8), f);
        return;
      }
      case kCreatePalette: p_.Create(r.U32(8), OtherObject{}); return;
      case kRectangle: p_.Rectangle(Pt(r, 8), Pt(r, 16)); return;
      case kEllipse: p_.Ellipse(Pt(r, 8), Pt(r, 16)); return;
      case kRoundRect: p_.RoundRect(Pt(r, 8), Pt(r, 16), Pt(r, 24)); return;
      case kArc: p_.ArcShape(ArcKind::kArc, Pt(r, 8), Pt(r, 16), Pt(r, 24), Pt(r, 32)); return;
      case kArcTo: p_.ArcShape(ArcKind::kArc, Pt(r, 8), Pt(r, 16), Pt(r, 24), Pt(r, 32), true); return;
      case kChord: p_.ArcShape(ArcKind::kChord, Pt(r, 8), Pt(r, 16), Pt(r, 24), Pt(r, 32)); return;
      case kPie: p_.ArcShape(ArcKind::kPie, Pt(r, 8), Pt(r, 16), Pt(r, 24), Pt(r, 32)); return;
      case kAngleArc: {
        const PointD c = Pt(r, 8);
        const double radius = r.U32(16), start = r.F32(20), sweep = r.F32(24);
        if (!std::isfinite(start) || !std::isfinite(sweep) || radius > 1e7) return;
        constexpr double kRad = 3.14159265358979323846 / 180;
        const PointD a{c.x - radius, c.y - radius}, b{c.x + radius, c.y + radius};
        const PointD s{c.x + radius * std::cos(start * kRad), c.y - radius * std::sin(start * kRad)};
        const PointD e{c.x + radius * std::cos((start + sweep) * kRad), c.y - radius * std::sin((start + sweep) * kRad)};
        const bool saved = p_.State().clockwise;
        p_.State().clockwise = sweep < 0;
        p_.ArcShape(ArcKind::kArc, a, b, s, e, true);
        p_.State().clockwise = saved;
        return;
      }
      case kSetPixelV: p_.SetPixel(Pt(r, 8), r.U32(16) & 0xFFFFFF); return;
      case kBeginPath: p_.BeginPath(); return;
      case kEndPath: p_.EndPath(); return;
      case kCloseFigure: p_.CloseFigure(); return;
      case kAbortPath: p_.AbortPath(); return;
      case kFillPath: p_.FillPath(); return;
      case kStrokePath: p_.StrokePath(); return;
      case kStrokeAndFillPath: p_.StrokeAndFillPath(); return;
      case kWidenPath: p_.WidenPath(); return;
      case kFlattenPath: return;  // the path is made of lines already
      case kSelectClipPath: p_.SelectClipPath(r.I32(8)); return;
      case kIntersectClipRect: p_.IntersectClipRect(Pt(r, 8), Pt(r, 16)); return;
      case kExcludeClipRect: p_.ExcludeClipRect(Pt(r, 8), Pt(r, 16)); return;
      case kOffsetClipRgn: p_.OffsetClip(Pt(r, 8)); return;
      case kExtSelectClipRgn: {
        const std::uint32_t size = r.U32(8);
        p_.SelectClipRects(RegionRects(r, 16, size), r.I32(12), false);
        return;
      }
      case kFillRgn: case kPaintRgn: {
        const bool own = type == kFillRgn;
        const std::uint32_t size = r.U32(24);
        BrushObject brush = p_.State().brush;
        if (own) {
          const auto* o = p_.Object(r.U32(28));
          if (const auto* b = o ? std::get_if<BrushObject>(o) : nullptr) brush = *b;
          else if (r.U32(28) & kStockObject) return;
        }
        p_.FillRects(RegionRects(r, own ? 32 : 28, size), brush, false);
        return;
      }
      case kFrameRgn: {
        const auto* o = p_.Object(r.U32(28));
        const auto* brush = o ? std::get_if<BrushObject>(o) : nullptr;
        if (!brush) return;
        p_.FrameRects(RegionRects(r, 40, r.U32(24)), *brush, {double(r.I32(32)), double(r.I32(36))}, false);
        return;
      }
      case kExtTextOutA: case kExtTextOutW: Text(r, type == kExtTextOutW); return;
      case kBitBlt: case kStretchBlt: case kAlphaBlend: case kTransparentBlt: {
        const PointD at = Pt(r, 24), size = Pt(r, 32);
        const std::uint32_t rop = r.U32(40);
        const std::size_t offBmi = r.U32(84), cbBmi = r.U32(88), offBits = r.U32(92), cbBits = r.U32(96);
        if (cbBmi == 0) {
          if (type == kBitBlt || type == kStretchBlt) p_.PatternBlt(at, size, rop);
          return;
        }
        const auto dib = PackedDib(r, offBmi, cbBmi, offBits, cbBits);
        TRect src{r.I32(44), r.I32(48), 0, 0};
        const PointD srcSize = type == kBitBlt ? size : Pt(r, 100);
        // Summed wide: both halves come from the file and may be anything.
        src.right = static_cast<int>(std::clamp(src.left + static_cast<long long>(srcSize.x), -(1LL << 30), 1LL << 30));
        src.bottom = static_cast<int>(std::clamp(src.top + static_cast<long long>(srcSize.y), -(1LL << 30), 1LL << 30));
        if (type == kBitBlt || type == kStretchBlt) {
          p_.Dib(at, size, src, dib, r.U32(80) == 1, rop);
          return;
        }
        Playback::Blend blend;
        if (type == kTransparentBlt) {
          blend.transparent = true;
          blend.key = rop;
        } else {
          // BLENDFUNCTION: operation, flags, constant alpha, alpha format.
          blend.constantAlpha = r.U8(42);
          blend.sourceAlpha = r.U8(43) != 0;
        }
        p_.BlendDib(at, size, src, dib, r.U32(80) == 1, blend);
        return;
      }
      case kGradientFill: {
        const std::uint32_t count = r.U32(24), parts = r.U32(28), mode = r.U32(32);
        std::vector<Playback::Vertex> vertices;
        for (std::uint32_t i = 0; i < count && r.Holds(36 + std::size_t{i} * 16, 16, 1); ++i) {
          const std::size_t at = 36 + std::size_t{i} * 16;
          vertices.push_back(Playback::Vertex{Pt(r, at), r.U16(at + 8), r.U16(at + 10), r.U16(at + 12)});
        }
        const std::size_t perPart = mode == 2 ? 3 : 2, first = 36 + std::size_t{count} * 16;
        std::vector<std::uint32_t> indices;
        for (std::size_t i = 0; i < std::size_t{parts} * perPart && r.Holds(first + i * 4, 4, 1); ++i)
          indices.push_back(r.U32(first + i * 4));
        if (mode == 2) p_.GradientTriangles(vertices, indices);
        else if (mode <= 1) p_.GradientRects(vertices, indices, mode == 1);
        return;
      }
      case kStretchDiBits: case kSetDiBitsToDevice: {
        const auto dib = PackedDib(r, r.U32(48), r.U32(52), r.U32(56), r.U32(60));
        if (dib.empty()) return;
        const int xSrc = r.I32(32), ySrc = r.I32(36), cx = r.I32(40), cy = r.I32(44);
        const int height = BitmapHeight(dib);
        // The source is counted from the bitmap's bottom row.
        const TRect src{xSrc, height - ySrc - cy, xSrc + cx, height - ySrc};
        const PointD size = type == kStretchDiBits ? Pt(r, 72) : PointD{double(cx), double(cy)};
        // SetDIBitsToDevice copies pixel for pixel, whatever the map.
        p_.Dib(Pt(r, 24), size, src, dib, r.U32(64) == 1, type == kStretchDiBits ? r.U32(68) : 0x00CC0020,
               type == kSetDiBitsToDevice);
        return;
      }
      default: return;  // comments (EMF+ among them), palettes, colour management ...
    }
  }

 private:
  static int BitmapHeight(std::span<const std::uint8_t> dib) {
    if (dib.size() < 12) return 0;
    RecordReader r(dib);
    const int h = r.U32(0) == 12 ? r.I16(6) : r.I32(8);
    return std::abs(h);
  }

  void Text(RecordReader& r, bool wide) {
    Playback::TextRun run;
    run.at = Pt(r, 36);
    const std::uint32_t count = r.U32(44), offString = r.U32(48), offDx = r.U32(72);
    run.options = r.U32(52);
    run.rect = std::make_pair(Pt(r, 56), Pt(r, 64));
    if (!r.Holds(offString, count, wide ? 2 : 1)) return;
    run.wide = wide;
    for (std::size_t i = 0; i < count; ++i)
      run.text.push_back(wide ? static_cast<char16_t>(r.U16(offString + 2 * i)) : r.U8(offString + i));
    // Spacing: one advance per character (two with ETO_PDY, the second vertical).
    const bool pdy = run.options & 0x2000;
    if (offDx != 0 && r.Holds(offDx, count, pdy ? 8 : 4))
      for (std::size_t i = 0; i < count; ++i) run.dx.push_back(r.I32(offDx + (pdy ? 8 : 4) * i));
    p_.Text(run);
  }

  Playback& p_;
};

}  // namespace

bool PlayEmf(std::span<const std::uint8_t> bytes, DeviceContext& dc, const TRect& dest, long long budget,
             TSize surface) {
  if (bytes.size() < 88) return false;
  RecordReader h(bytes.subspan(0, 88));
  if (h.U32(0) != emr::kHeader || h.U32(40) != emr::kSignature) return false;
  // The recording device's pixels per millimetre.
  const double devW = h.I32(72), devH = h.I32(76), mmW = h.I32(80), mmH = h.I32(84);
  const PointD ppmm{devW > 0 && mmW > 0 ? devW / mmW : 96 / 25.4, devH > 0 && mmH > 0 ? devH / mmH : 96 / 25.4};
  // The frame, in those pixels, goes onto dest; without a frame, the bounds.
  double l = h.I32(24) * ppmm.x / 100, t = h.I32(28) * ppmm.y / 100, r = h.I32(32) * ppmm.x / 100,
         b = h.I32(36) * ppmm.y / 100;
  if (r == l || b == t) {
    l = h.I32(8), t = h.I32(12), r = h.I32(16) + 1.0, b = h.I32(20) + 1.0;
  }
  if (r == l || b == t) return false;
  const double sx = dest.Width() / (r - l), sy = dest.Height() / (b - t);
  const Affine placement{sx, 0, 0, sy, dest.left - l * sx, dest.top - t * sy};
  Playback playback(dc, placement, ppmm, budget, surface);
  playback.SetAdvancedMode(true);
  playback.SetObjectTable(h.U16(56));
  EmfPlayer player(playback);
  for (std::size_t at = 0; at + 8 <= bytes.size();) {
    RecordReader head(bytes.subspan(at, 8));
    const std::uint32_t type = head.U32(0), size = head.U32(4);
    if (size < 8 || size % 4 != 0 || size > bytes.size() - at) return false;
    if (type == emr::kEof) return true;
    RecordReader record(bytes.subspan(at, size));
    playback.Charge(1);
    if (playback.Spent()) return false;
    player.Record(type, record);
    at += size;
  }
  return true;
}

}  // namespace pg::platform::metafile
